#include "building.h"
#include "gamedir.h"
#include "gameworld.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "monster.h"
#include "pony.h"
#include "qmybutton.h"

#include <QLabel>
#include <QtTest>

#include <cstdlib>

// Built before the window: the game folder it reads and the answer to its start menu.
struct GameFiles
{
    explicit GameFiles(const QString& schedule)
    {
        dir.writeIni(QStringLiteral("pony.ini"), QStringLiteral(
            "[plain]\nName=Простушка\nMaxHealth=100\nSpeed=100\nAttack=10\n"
            "[strong]\nMaxHealth=1000\nNeedMagic=100\nSpeed=200\nAttack=500\n"));
        dir.writeIni(QStringLiteral("monster.ini"), QStringLiteral(
            "[apple]\nMaxHealth=100\nSpeed=30\nAttack=5\n[brute]\nMaxHealth=1000\nSpeed=100\nAttack=5000\n"));
        dir.writeIni(QStringLiteral("action.ini"), QStringLiteral("[incfood]\nNeedMagic=100\nValue=20\n"));
        dir.writeSchedule(schedule);
    }
    GameDir dir;
    ModalAnswerer menu{ ModalAnswerer::click(QStringLiteral("Испытать стандартный режим")) };
};

class TestWindow : private GameFiles, public MainWindow
{
public:
    explicit TestWindow(const QString& schedule = QStringLiteral("9999,apple,1")) : GameFiles(schedule) { menu.disarm(); std::srand(1); }
    using MainWindow::world;
    using MainWindow::magicLabel;
    using MainWindow::foodLabel;
    using MainWindow::stoneLabel;
    using MainWindow::infoLabel;
    using MainWindow::ponyButtons;
    using MainWindow::actionButtons;
    QStringList ends;
    void tick(int n = 1) { while (n-- > 0) QMetaObject::invokeMethod(this, "slotUpdateGame", Qt::DirectConnection); }

protected:
    void announceEnd(const QString& title, const QString& text) override { ends << title + QLatin1Char('|') + text; }
};

class TestGameTick : public QObject
{
    Q_OBJECT
private slots:
    void tickShowsTheGameButStandsStillWhileADialogIsOpen()
    {
        TestWindow w;
        QTest::mousePress(w.ponyButtons.first(), Qt::LeftButton);
        Pony* pony = w.world->ponies()->first();
        QVERIFY(w.magicLabel->text().isEmpty());
        w.tick();
        QCOMPARE(w.magicLabel->text() + w.foodLabel->text() + w.stoneLabel->text(), QStringLiteral("Магия: 250Еда: 100Камень: 50"));
        QVERIFY(w.infoLabel->isHidden());
        QTest::mousePress(pony, Qt::LeftButton);
        QTest::mousePress(w.actionButtons.first(), Qt::LeftButton);
        MainWindow::dialogOpened();
        w.tick(20);
        MainWindow::dialogClosed();
        QCOMPARE(w.world->gameTime, 0.1f);
        QCOMPARE(w.magicLabel->text(), QStringLiteral("Магия: 250"));
        QVERIFY(w.infoLabel->isHidden());
        QVERIFY(!w.actionButtons.first()->isHidden());
        pony->health = 75.6f;
        w.tick();
        QVERIFY(!w.infoLabel->isHidden());
        QCOMPARE(w.infoLabel->text(), QStringLiteral("Простушка: здоровье 75/100"));
        // The cooldown did not run during the pause: it still takes ten ticks.
        w.tick(8);
        QVERIFY(w.actionButtons.first()->isHidden());
        w.tick();
        QVERIFY(!w.actionButtons.first()->isHidden());
    }

    void buttonsFollowMagicCooldownAndSummons_data()
    {
        // Button 0 of the summon column ("strong", cost 100) or of the action column (cost 100).
        QTest::addColumn<bool>("summon");
        QTest::addColumn<float>("magic");
        QTest::addColumn<bool>("press");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("state");
        QTest::newRow("a pony costing exactly the truncated magic can be summoned") << true << 99.9f << false << 1 << "enabled";
        QTest::newRow("a pony costing more than the magic is greyed out") << true << 99.7f << false << 1 << "disabled";
        QTest::newRow("a summoned pony's button stays hidden despite plenty of magic") << true << 10000.f << true << 3 << "hidden";
        QTest::newRow("an action short of magic is greyed out") << false << 99.f << true << 1 << "disabled";
        QTest::newRow("a used action is hidden for nine ticks") << false << 250.f << true << 9 << "hidden";
        QTest::newRow("a used action is back on the tenth tick") << false << 250.f << true << 10 << "enabled";
    }
    void buttonsFollowMagicCooldownAndSummons()
    {
        QFETCH(bool, summon);
        QFETCH(float, magic);
        QFETCH(bool, press);
        QFETCH(int, ticks);
        TestWindow w;
        QMyButton* button = summon ? w.ponyButtons.at(1) : w.actionButtons.at(0);
        w.world->magic = magic;
        if (press)
            QTest::mousePress(button, Qt::LeftButton);
        w.tick(ticks);
        QTEST(QString(button->isHidden() ? "hidden" : button->isEnabled() ? "enabled" : "disabled"), "state");
    }

    void wholeGameEndsOnceAndFreezes_data()
    {
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<bool>("fight");
        QTest::addColumn<QString>("title");
        QTest::newRow("a strong pony sent at the monsters wins") << "0,apple,1\n0,apple,7\n" << true << "Победа!";
        QTest::newRow("a monster destroying a building with no pony around loses") << "0,brute,5\n" << false << "Поражение!";
    }
    void wholeGameEndsOnceAndFreezes()
    {
        QFETCH(QString, schedule);
        QFETCH(bool, fight);
        QFETCH(QString, title);
        TestWindow w(schedule);
        if (fight) {
            QTest::mousePress(w.ponyButtons.at(1), Qt::LeftButton);
            QTest::mousePress(w.world->ponies()->first(), Qt::LeftButton);
        }
        for (int i = 1; i < 3000 && w.ends.isEmpty(); ++i) {
            w.tick();
            if (fight && i % 10 == 0 && !w.world->monsters()->isEmpty())
                QTest::mousePress(w.world->monsters()->first(), Qt::LeftButton);
        }
        QString text = QStringLiteral("Восставшие фрукты уничтожены, Ольтерия спасена.");
        for (const Building* building : qAsConst(*w.world->buildings())) {
            if (building->health <= 0)
                text = QStringLiteral("Здание '") + building->name + QStringLiteral("'' было разрушено.");
        }
        QCOMPARE(w.ends, QStringList{ title + QLatin1Char('|') + text });
        const float time = w.world->gameTime;
        w.tick(20);
        QCOMPARE(w.ends.size(), 1);
        QCOMPARE(w.world->gameTime, time);
    }
};

QTEST_MAIN(TestGameTick)
#include "tst_gametick.moc"
