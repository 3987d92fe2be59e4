#include "dialogmenu.h"
#include "dialogunitinfo.h"
#include "gamedir.h"
#include "gameworld.h"
#include "mainwindow.h"
#include "modalanswerer.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <climits>

// The window with its frame in reach and the end-of-game box recorded instead of shown.
class TestWindow : public MainWindow
{
public:
    using MainWindow::infoLabel;
    using MainWindow::magicLabel;
    using MainWindow::foodLabel;
    using MainWindow::stoneLabel;
    using MainWindow::world;
    QStringList ends;

    void tick() { QMetaObject::invokeMethod(this, "slotUpdateGame", Qt::DirectConnection); }
    QStringList resourceTexts() const { return { magicLabel->text(), foodLabel->text(), stoneLabel->text() }; }

protected:
    void announceEnd(const QString& title, const QString&) override { ends << title; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startMenuChoosesMode_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("easyMode");
        QTest::newRow("the easy button starts an easy game") << "pushButton" << true;
        QTest::newRow("the standard button starts a standard game") << "pushButton_2" << false;
        QTest::newRow("Escape starts an easy game") << "escape" << true;
        QTest::newRow("closing the menu starts an easy game") << "close" << true;
    }

    void startMenuChoosesMode()
    {
        QFETCH(QString, answer);
        QFETCH(bool, easyMode);
        ModalAnswerer answerer([answer](QWidget* menu) {
            if (answer == "escape")
                QTest::keyClick(menu, Qt::Key_Escape);
            else if (answer == "close")
                menu->close();
            else
                menu->findChild<QPushButton*>(answer)->click();
        });
        DialogMenu menu;
        menu.exec();
        QCOMPARE(menu.easyMode, easyMode);
    }

    // An empty game folder: no kinds, no actions, and a schedule that is won in the first step.
    void frameWaitsForStartMenuAndTickWaitsForDialogs()
    {
        GameDir dir;
        QStringList shown;
        ModalAnswerer answerer([&shown](QWidget* dialog) {
            if (auto* menu = qobject_cast<DialogMenu*>(dialog)) {
                auto* window = qobject_cast<MainWindow*>(menu->parentWidget());
                shown << QString::number(window && !window->isVisible());
                menu->findChild<QPushButton*>("pushButton")->click();
                return;
            }
            shown << QString::number(MainWindow::isDialogOpen()) << dialog->windowTitle()
                  << dialog->findChild<QLabel*>("labTitle")->text() << dialog->findChild<QLabel*>("labInfo")->text();
            ModalAnswerer::click("Закрыть")(dialog);
        });
        TestWindow window;
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("DialogMenu"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Оборона Ольтерии"));
        QCOMPARE(window.size(), QSize(1024, 768));
        QCOMPARE(window.magicLabel->geometry(), QRect(300, 20, 200, 20));
        QCOMPARE(window.foodLabel->geometry(), QRect(500, 20, 200, 20));
        QCOMPARE(window.stoneLabel->geometry(), QRect(650, 20, 200, 20));
        QCOMPARE(window.infoLabel->geometry(), QRect(20, 730, 984, 33));
        QVERIFY(window.infoLabel->isHidden());
        MainWindow::dialogOpened();
        window.tick();
        QCOMPARE(window.resourceTexts(), QStringList({ "", "", "" }));
        QCOMPARE(window.world->gameTime, 0.0f);
        MainWindow::dialogClosed();
        DialogUnitInfo::showUnitInfo(&window, "Гроза", "Здоровье: 80");
        QVERIFY(!MainWindow::isDialogOpen());
        QCOMPARE(shown, QStringList({ "1", "1", "Описание", "Гроза", "Здоровье: 80" }));
        window.tick();
        QCOMPARE(window.resourceTexts(), QStringList({ "Магия: 250", "Еда: 100", "Камень: 50" }));
        QCOMPARE(window.ends, QStringList({ "Победа!" }));
    }

    void resourcesReadTruncatedAndStopAtZero()
    {
        GameDir dir;
        QWidget owner;
        GameWorld world(&owner);
        world.spendMagic(300);
        QCOMPARE(world.magic, 0.0f);
        world.magic = 0.99f;
        QCOMPARE(world.getMagic(), 0);
        world.magic = 1e12f;
        QCOMPARE(world.getMagic(), INT_MAX);
        world.spendStone(60.5f);
        QCOMPARE(world.getStone(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
