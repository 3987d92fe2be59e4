#include "datalocation.h"
#include "dialogmenu.h"
#include "dialogunitinfo.h"
#include "gamefont.h"
#include "gamelanguage.h"
#include "gameworld.h"
#include "kindtable.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "testwindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QXmlStreamReader>
#include <QtTest>

Q_DECLARE_METATYPE(TextLanguage::Language)

// A text of the window, as a player meets it.
enum class Shown { StartMenu, PonyDescription, ProgressLine, StatusLine, VictoryBox, EndBoxButtons, DefeatText, MissingFile };
Q_DECLARE_METATYPE(Shown)

// A widget whose designed size every text of the language must fit.
enum class Widget { StartMenu, Descriptions, ProgressLine, StatusLine };
Q_DECLARE_METATYPE(Widget)

namespace {
void copyShipped(GameDir& dir)
{
    dir.copyShippedData();
}

QString shownText(Shown shown)
{
    switch (shown) {
    case Shown::StartMenu: {
        GameDir dir;
        dir.copyShippedData();
        const DialogMenu menu;
        return menu.findChild<QLabel*>("label")->text() + '\n' + menu.findChild<QPushButton*>("pushButton")->text();
    }
    case Shown::PonyDescription: {
        TestWindow w(copyShipped);
        return w.ponyKinds()->name("clover") + '\n' + w.ponyKinds()->infoText("clover");
    }
    case Shown::ProgressLine:
        return TestWindow(TestWindow::smallGame("30,apple,1\n5,apple,2\n")).progressLabel->text();
    case Shown::StatusLine: {
        TestWindow w(TestWindow::smallGame());
        w.world->selectPony(w.summon("small"));
        w.tick();
        return w.infoLabel->text();
    }
    case Shown::VictoryBox:
    case Shown::EndBoxButtons: {
        TestWindow w(TestWindow::smallGame(""));
        w.tick(2);
        if (w.ends.isEmpty())
            return QString();
        QStringList buttons;
        ModalAnswerer answerer([&buttons](QDialog* dialog) {
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                buttons << button->text();
            dialog->reject();
        });
        w.showEndBox(w.ends.first().title, w.ends.first().text);
        return shown == Shown::VictoryBox ? w.ends.first().title + '\n' + w.ends.first().text : buttons.join('|');
    }
    case Shown::DefeatText: {
        TestWindow w(TestWindow::smallGame());
        w.place("plain", 500, 600);
        w.place("brute", 500, 600);
        w.tick(3);
        return w.ends.isEmpty() ? QString() : w.ends.first().text;
    }
    case Shown::MissingFile: {
        GameDir empty;
        return DataLocation({ QDir::currentPath() + "/.." }).problem();
    }
    }
    return QString();
}

// Every message of a translation file that has no finished translation, by its source text.
QStringList unfinishedMessages(const QString& tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return { "cannot read " + tsFile };
    QStringList unfinished;
    QString source;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            // "unfinished", "vanished", "obsolete": anything but a finished translation.
            const bool marked = !xml.attributes().value(QLatin1String("type")).isEmpty();
            if (xml.readElementText().isEmpty() || marked)
                unfinished << source;
        }
    }
    return unfinished;
}
}

// The game in its two languages, as a player of each meets it:
// - every text of the window speaks the chosen language, and the Russian ones read as written;
// - every translatable text of the sources has a finished English translation;
// - every text of either language fits the widget it was laid out for, at any scale (ctest
//   also runs this program at QT_SCALE_FACTOR=2).
class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { GameLanguage::use(TextLanguage::Russian); }

    void everyTextOfTheWindowSpeaksTheChosenLanguage_data()
    {
        QTest::addColumn<TextLanguage::Language>("language");
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<QString>("passage"); // which the text holds
        const auto ru = TextLanguage::Russian;
        const auto en = TextLanguage::English;
        QTest::newRow("the start menu's rules in Russian") << ru << Shown::StartMenu
            << "Каждая пони обладает особым бонусом. Клеверинка - ускоренно добывает еду на ферме.";
        QTest::newRow("the start menu's rules in English name the ponies by their English names") << en << Shown::StartMenu
            << "Every pony has a special bonus. Clover - gathers food faster on the farm.";
        QTest::newRow("the start menu's easy button in English") << en << Shown::StartMenu
            << "\nStart an easy game (every fruit has 40% less health)";
        QTest::newRow("a pony's description in Russian") << ru << Shown::PonyDescription
            << "Клеверинка\nМаксимальное здоровье: 220\nСкорость: 60\nРасход магии на призыв: 50\nАтака: 8\n\nТрудолюбивая земная пони.";
        QTest::newRow("a pony's description in English") << en << Shown::PonyDescription
            << "Clover\nMaximum health: 220\nSpeed: 60\nMagic to summon: 50\nAttack: 8\n\nA hard-working earth pony.";
        QTest::newRow("the progress line in Russian") << ru << Shown::ProgressLine << "Ещё фруктов: 2 · следующий через 30 с";
        QTest::newRow("the progress line in English") << en << Shown::ProgressLine << "Fruits to come: 2 · next in 30 s";
        QTest::newRow("the status line in English keeps a Russian-only pony's name") << en << Shown::StatusLine << "Крошка: health 30/30";
        QTest::newRow("the victory box in Russian") << ru << Shown::VictoryBox << "Победа!\nВосставшие фрукты уничтожены, Ольтерия спасена.";
        QTest::newRow("the victory box in English") << en << Shown::VictoryBox << "Victory!\nThe risen fruits are destroyed. Olteria is saved.";
        QTest::newRow("the end box offers a new game in Russian") << ru << Shown::EndBoxButtons << "Новая игра";
        QTest::newRow("the end box offers a new game in English") << en << Shown::EndBoxButtons << "New game";
        QTest::newRow("a defeat text in Russian, as written") << ru << Shown::DefeatText << "Пони 'Простушка'' была сильно побита.";
        QTest::newRow("a defeat text in English, around the Russian-only name") << en << Shown::DefeatText << "The pony 'Простушка' was badly beaten.";
        QTest::newRow("a missing file's message in Russian") << ru << Shown::MissingFile
            << "Игре не хватает данных: нет файла config/pony.ini.\nОна искала свои данные (папки config и images) в папках:\n";
        QTest::newRow("a missing file's message in English") << en << Shown::MissingFile
            << "The game is missing its data: there is no file config/pony.ini.\nIt looked for its data (the folders config and images) in:\n";
    }
    void everyTextOfTheWindowSpeaksTheChosenLanguage()
    {
        QFETCH(TextLanguage::Language, language);
        QFETCH(Shown, shown);
        QFETCH(QString, passage);
        QVERIFY(GameLanguage::use(language));
        const QString text = shownText(shown);
        QVERIFY2(text.contains(passage), qPrintable(text));
    }

    // lupdate, run over the sources into a copy of the translation file, marks every new or
    // changed text "unfinished" and every text gone from the sources "vanished".
    void everyTextHasAFinishedEnglishTranslation()
    {
        QTemporaryDir scratch;
        const QString copy = scratch.filePath("olteria_en.ts");
        QVERIFY(QFile::copy(OLTERIA_TS_FILE, copy));
        QProcess lupdate;
        lupdate.start(OLTERIA_LUPDATE, { "-locations", "none", "-source-language", "ru", OLTERIA_SOURCE_DIR "/src", "-ts", copy });
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        const QStringList unfinished = unfinishedMessages(copy);
        QVERIFY2(unfinished.isEmpty(), qPrintable("not translated: " + unfinished.join(" | ")));
    }

    void everyTextFitsItsWidget_data()
    {
        QTest::addColumn<TextLanguage::Language>("language");
        QTest::addColumn<Widget>("widget");
        for (const auto language : { TextLanguage::Russian, TextLanguage::English }) {
            const QByteArray in = language == TextLanguage::Russian ? " in Russian" : " in English";
            QTest::newRow(QByteArray("the start menu's rules end above its first button" + in).constData()) << language << Widget::StartMenu;
            QTest::newRow(QByteArray("every shipped name and description fits the information dialog" + in).constData()) << language << Widget::Descriptions;
            QTest::newRow(QByteArray("the progress line of a hundred fruits to come is not cut" + in).constData()) << language << Widget::ProgressLine;
            QTest::newRow(QByteArray("the status line of every shipped pony is not cut" + in).constData()) << language << Widget::StatusLine;
        }
    }
    void everyTextFitsItsWidget()
    {
        QFETCH(TextLanguage::Language, language);
        QFETCH(Widget, widget);
        useGameFont();
        QVERIFY(GameLanguage::use(language));
        switch (widget) {
        case Widget::StartMenu:
            return checkStartMenu();
        case Widget::Descriptions:
            return checkDescriptions();
        case Widget::ProgressLine:
            return checkProgressLine();
        case Widget::StatusLine:
            return checkStatusLine();
        }
    }

private:
    // In the game's font, with the shipped ponies' bonus sentences; a scaled screen scales the
    // text and the buttons alike.
    static void checkStartMenu()
    {
        GameDir dir;
        dir.copyShippedData();
        const DialogMenu menu;
        const QLabel* rules = menu.findChild<QLabel*>("label");
        const QWidget* firstButton = menu.findChild<QWidget*>("pushButton");
        // The label centres its text: what it needs sits in the middle of its height.
        const int textBottom = rules->y() + (rules->height() + rules->heightForWidth(rules->width())) / 2;
        qWarning() << "bottom" << textBottom;
        QVERIFY2(textBottom < firstButton->y(), qPrintable(QString::number(textBottom)));
        const QPushButton* easy = menu.findChild<QPushButton*>("pushButton");
        QVERIFY2(easy->fontMetrics().horizontalAdvance(easy->text()) < easy->width(), qPrintable(easy->text()));
    }

    static void checkDescriptions()
    {
        GameDir dir;
        dir.copyShippedData();
        const KindTable<PonyInfo> ponies(DataSchema::ponies());
        const KindTable<MonsterInfo> fruits(DataSchema::monsters());
        const KindTable<ActionInfo> actions(DataSchema::actions());
        QStringList names, infos;
        for (const QString& code : ponies.codes())
            names << ponies.name(code), infos << ponies.infoText(code);
        for (const QString& code : fruits.codes())
            names << fruits.name(code), infos << fruits.infoText(code);
        for (const QString& code : actions.codes())
            names << actions.name(code), infos << actions.infoText(code);
        QCOMPARE(names.size(), 16);
        for (int i = 0; i < names.size(); ++i) {
            DialogUnitInfo dialog;
            dialog.setInfo(names.at(i), infos.at(i));
            dialog.ensurePolished();
            const QLabel* title = dialog.findChild<QLabel*>("labTitle");
            QLabel* info = dialog.findChild<QLabel*>("labInfo");
            info->ensurePolished();
            QVERIFY2(title->fontMetrics().horizontalAdvance(names.at(i)) <= title->width(), qPrintable(names.at(i)));
            QVERIFY2(info->heightForWidth(info->width()) <= info->height(), qPrintable(names.at(i)));
        }
    }

    static void checkProgressLine()
    {
        QString schedule;
        for (int n = 0; n < 100; ++n)
            schedule += "999,apple,1\n";
        TestWindow w(TestWindow::smallGame(schedule));
        QVERIFY(w.progressLabel->text().contains("100"));
        QVERIFY2(w.progressLabel->fontMetrics().horizontalAdvance(w.progressLabel->text()) <= w.progressLabel->width(),
                 qPrintable(w.progressLabel->text()));
    }

    static void checkStatusLine()
    {
        TestWindow w(copyShipped);
        w.world->setMagic(100000);
        for (const QString& code : w.ponyKinds()->codes()) {
            w.world->selectPony(w.summon(code));
            w.tick();
            QVERIFY2(w.infoLabel->fontMetrics().horizontalAdvance(w.infoLabel->text()) <= w.infoLabel->contentsRect().width(),
                     qPrintable(w.infoLabel->text()));
        }
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
