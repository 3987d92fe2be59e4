#include "gameworld.h"
#include "newgamelauncher.h"
#include "testwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

namespace {
// How the player leaves the end box.
enum class EndAnswer { NewGame, Ok, Escape };

// A new run as the window asks for it, in place of starting a process.
struct Launch
{
    QString program;
    QStringList arguments;
    QString folder;
};
}
Q_DECLARE_METATYPE(EndAnswer)

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void windowComesAfterTheStartMenuCentredWithItsFrame()
    {
        TestWindow w(TestWindow::smallGame());
        // The menu ran modally inside the constructor, and the constructor does not show the window.
        QCOMPARE(w.menu.seen(), QStringList("DialogMenu"));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Оборона Ольтерии"));
        QCOMPARE(w.size(), QSize(1024, 768));
        QCOMPARE(w.frameGeometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        const QList<QRect> frame = { w.magicLabel->geometry(), w.foodLabel->geometry(), w.stoneLabel->geometry(), w.infoLabel->geometry() };
        QCOMPARE(frame, QList<QRect>({ QRect(300, 20, 200, 20), QRect(500, 20, 200, 20), QRect(650, 20, 200, 20), QRect(20, 730, 984, 33) }));
        // The labels are the tick's to write.
        QVERIFY(w.magicLabel->text().isEmpty() && w.foodLabel->text().isEmpty() && w.stoneLabel->text().isEmpty());
    }

    // The progress line is an addition to the field: it may cover nothing the field was
    // designed with, a column's last button and the buildings of real size included.
    void progressLineCoversNoOtherWidgetOfTheField()
    {
        TestWindow w([](GameDir& dir) {
            TestWindow::smallGame()(dir);
            dir.writePicture("building_farmfood.png", 170, 140);
            dir.writePicture("building_farmstone.png", 140, 170);
            dir.writePicture("building_hospital.png", 156, 132);
        });
        const QRect line = w.progressLabel->geometry();
        QVERIFY(!line.isEmpty() && w.progressLabel->isVisibleTo(&w));
        for (const QWidget* widget : w.findChildren<QWidget*>()) {
            // The field's own picture lies under everything; the form's bars lie under the field.
            const bool underTheField = widget->size() == w.size() || qobject_cast<const QMenuBar*>(widget)
                || qobject_cast<const QToolBar*>(widget) || qobject_cast<const QStatusBar*>(widget);
            if (widget == w.progressLabel || widget->parentWidget() != &w || underTheField || !widget->isVisibleTo(&w))
                continue;
            QVERIFY2(!widget->geometry().intersects(line), widget->metaObject()->className());
        }
    }

    // The end box offers «Новая игра» beside its own button: a fresh run of the game, start
    // menu included, as a process of its own, and this run closes; never a restart inside it.
    void endBoxStartsANewRunOnlyFromItsNewGameButton_data()
    {
        QTest::addColumn<EndAnswer>("answer");
        QTest::addColumn<int>("launches");
        QTest::newRow("«Новая игра» asks for one new process and closes this run") << EndAnswer::NewGame << 1;
        QTest::newRow("the box's own button only closes the box") << EndAnswer::Ok << 0;
        QTest::newRow("Escape is the box's own button") << EndAnswer::Escape << 0;
    }
    void endBoxStartsANewRunOnlyFromItsNewGameButton()
    {
        QFETCH(EndAnswer, answer);
        QFETCH(int, launches);
        QList<Launch> asked;
        TestWindow w(TestWindow::smallGame(QStringLiteral("0,weak,1")));
        w.handNewGameLauncher(NewGameLauncher([&asked](const QString& program, const QStringList& arguments, const QString& folder) {
            asked << Launch{ program, arguments, folder };
            return true;
        }));
        w.show();
        w.tick(5);
        const float time = w.world->timeElapsed();
        QStringList buttons;
        bool ignored = false;
        const QWidget* parent = nullptr;
        ModalAnswerer answerer([answer, &buttons, &ignored, &parent](QDialog* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            parent = box->parentWidget();
            for (const QAbstractButton* button : box->buttons())
                buttons << button->text();
            if (answer == EndAnswer::Escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else if (answer == EndAnswer::Ok)
                box->button(QMessageBox::Ok)->click();
            else
                box->buttons().at(buttons.indexOf(QStringLiteral("Новая игра")))->click();
            // A box that ignores the answer is closed by force: the case fails instead of hanging.
            ignored = box->isVisible();
            if (ignored)
                box->done(QDialog::Rejected);
        });
        w.showEndBox(QStringLiteral("Победа!"), QStringLiteral("Восставшие фрукты уничтожены, Ольтерия спасена."));
        QCOMPARE(answerer.seen(), QStringList("QMessageBox"));
        // The box belongs to the window, so that it is centred over the field.
        QCOMPARE(parent, static_cast<const QWidget*>(&w));
        QVERIFY(!ignored);
        QCOMPARE(buttons.size(), 2);
        QVERIFY(buttons.contains(QStringLiteral("Новая игра")));
        QCOMPARE(asked.size(), launches);
        for (const Launch& launch : asked) {
            QCOMPARE(launch.program, QCoreApplication::applicationFilePath());
            QCOMPARE(launch.arguments, QCoreApplication::arguments().mid(1));
            QCOMPARE(launch.folder, QDir::currentPath());
        }
        QCOMPARE(w.isVisible(), launches == 0);
        // Nothing restarts in this run: the same game, stood still, in the one window.
        QCOMPARE(w.world->timeElapsed(), time);
        QCOMPARE(w.findChildren<QDialog*>().size(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
