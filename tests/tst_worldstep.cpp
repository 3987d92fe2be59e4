#include "building.h"
#include "gamedir.h"
#include "gameworld.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "monster.h"
#include "monstercatalogue.h"
#include "pony.h"
#include "qmybutton.h"

#include <QtTest>

#include <cstdlib>

// Built before the window: the game folder it reads and the answer to its start menu.
struct GameFiles
{
    explicit GameFiles(const QString& schedule)
    {
        dir.writeIni(QStringLiteral("pony.ini"), QStringLiteral(
            "[fastheal]\nMaxHealth=100\nSpeed=100\nAttack=10\n[fastmagic]\nMaxHealth=100\nSpeed=100\nAttack=10\n"
            "[plain]\nName=Простушка\nMaxHealth=100\nSpeed=100\nAttack=10\n[strong]\nMaxHealth=1000\nSpeed=100\nAttack=500\n"));
        dir.writeIni(QStringLiteral("monster.ini"),
                     QStringLiteral("[apple]\nMaxHealth=100\nSpeed=30\nAttack=10\n[weak]\nMaxHealth=10\nSpeed=30\nAttack=0\n"));
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
    void tick(int n = 1) { while (n-- > 0) QMetaObject::invokeMethod(this, "slotUpdateGame", Qt::DirectConnection); }

    // "code x y [health]; ...": ponies come through their summon buttons, monsters from the catalogue,
    // each then stands centred on (x, y).
    QList<QMyLabel*> place(const QString& items, bool ponies)
    {
        QList<QMyLabel*> units;
        for (const QString& item : items.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList f = item.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const int x = f.at(1).toInt();
            const int y = f.at(2).toInt();
            if (ponies) {
                for (QMyButton* button : qAsConst(ponyButtons)) {
                    if (button->property("ponycode").toString() == f.at(0))
                        QTest::mousePress(button, Qt::LeftButton);
                }
                units << world->ponies()->last();
                units.last()->move(x - 20, y - 20);
            } else {
                world->monsters()->append(monsterCatalogue->createMonster(f.at(0), x, y));
                units << world->monsters()->last();
            }
            if (f.size() > 3)
                units.last()->health = f.at(3).toFloat();
        }
        return units;
    }

protected:
    void announceEnd(const QString&, const QString&) override {}
};

template <typename Unit>
static QString healths(const QList<Unit*>& units)
{
    QStringList list;
    for (const Unit* unit : units)
        list << QString::number(unit->health);
    return list.join(QLatin1Char(' '));
}

class TestWorldStep : public QObject
{
    Q_OBJECT
private slots:
    void poniesEatStarveAndHealAndMagicGrows_data()
    {
        QTest::addColumn<QString>("ponies");
        QTest::addColumn<bool>("moving");
        QTest::addColumn<float>("food");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("healthFoodMagic");
        QTest::newRow("moving pony with 0.15 food eats 0.1 and keeps 0.05") << "plain 150 600" << true << 0.15f << 1 << "100 0.05 250";
        QTest::newRow("moving pony with 0.05 food loses 0.1 health, food stays") << "plain 150 600" << true << 0.05f << 1 << "99.9 0.05 250";
        QTest::newRow("moving pony with exactly 0.1 food starves") << "plain 150 600" << true << 0.1f << 1 << "99.9 0.1 250";
        QTest::newRow("pony at 90 with 0.25 food heals to 90.2 leaving 0.05") << "plain 150 600 90" << false << 0.25f << 1 << "90.2 0.05 250";
        QTest::newRow("pony at 90 with exactly 0.2 food does not heal") << "plain 150 600 90" << false << 0.2f << 1 << "90 0.2 250";
        QTest::newRow("with the fastheal pony healing is 0.3 for 0.2 food") << "plain 150 600 90; fastheal 150 200" << false << 10.f << 1 << "90.3 9.8 250";
        QTest::newRow("ten steps from 250 magic read 251") << "plain 150 600" << false << 10.f << 10 << "100 10 251";
        QTest::newRow("the eleventh step passes 252") << "plain 150 600" << false << 10.f << 11 << "100 10 252";
        QTest::newRow("with the fastmagic pony seven steps reach 252") << "plain 150 600; fastmagic 150 200" << false << 10.f << 7 << "100 10 252";
    }
    void poniesEatStarveAndHealAndMagicGrows()
    {
        QFETCH(QString, ponies);
        QFETCH(bool, moving);
        QFETCH(float, food);
        QFETCH(int, steps);
        TestWindow w;
        QMyLabel* pony = w.place(ponies, true).first();
        if (moving)
            pony->moveTo(150, 0);
        w.world->food = food;
        w.tick(steps);
        QTEST(QStringLiteral("%1 %2 %3").arg(pony->health).arg(w.world->food).arg(w.world->getMagic()), "healthFoodMagic");
    }

    void monstersFightEverythingInReach_data()
    {
        QTest::addColumn<QString>("ponies");
        QTest::addColumn<QString>("monsters");
        QTest::addColumn<float>("farm");
        QTest::addColumn<QString>("healthsAfter"); // ponies | monsters left | farm
        QTest::addColumn<QString>("defeat");
        QTest::newRow("pony at 56 px is hit and hits back") << "plain 150 600" << "apple 206 600" << 500.f << "99|99|500" << "";
        QTest::newRow("pony at 57 px is safe") << "plain 150 600" << "apple 207 600" << 500.f << "100|100|500" << "";
        QTest::newRow("pony at (40, 40) is hit") << "plain 150 600" << "apple 190 640" << 500.f << "99|99|500" << "";
        QTest::newRow("pony at (40, 41) is safe") << "plain 150 600" << "apple 190 641" << 500.f << "100|100|500" << "";
        QTest::newRow("a monster hits all in reach and each pony hits back")
            << "plain 330 300; strong 260 300" << "apple 300 300; apple 360 300" << 500.f << "98 999|49 99|499" << "";
        QTest::newRow("monsters killed in one step leave wherever they stand")
            << "strong 150 600" << "weak 150 640; weak 110 600; apple 800 650; weak 190 600" << 500.f << "1000|100|500" << "";
        QTest::newRow("a pony beaten to 0 loses at once") << "plain 300 270 0.5" << "apple 300 300" << 500.f << "0|100|500"
                                                          << "Пони 'Простушка'' была сильно побита.";
        QTest::newRow("a farm beaten to 0 loses at once") << "" << "apple 300 300" << 0.5f << "|100|0"
                                                         << "Здание 'Ферма'' было разрушено.";
    }
    void monstersFightEverythingInReach()
    {
        QFETCH(QString, ponies);
        QFETCH(QString, monsters);
        QFETCH(float, farm);
        QFETCH(QString, defeat);
        TestWindow w;
        const QList<QMyLabel*> team = w.place(ponies, true);
        w.place(monsters, false);
        w.world->buildings()->first()->health = farm;
        w.tick();
        QTEST(healths(team) + '|' + healths(*w.world->monsters()) + '|' + QString::number(w.world->buildings()->first()->health),
              "healthsAfter");
        QCOMPARE(w.findChildren<Monster*>().size(), w.world->monsters()->size());
        QCOMPARE(w.world->defeatText(), defeat);
        // The fatal hit ends the step: the clock does not advance.
        QCOMPARE(w.world->gameTime, defeat.isEmpty() ? 0.1f : 0.f);
    }

    void scheduleReleasesOneMonsterPerStepThenWins_data()
    {
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("monsters");
        QTest::addColumn<bool>("won");
        const QString twoAtZero = QStringLiteral("0,weak,1\n0,weak,2\n");
        const QString tenAndSixty = QStringLiteral("10,weak,1\n50,weak,1\n");
        QTest::newRow("a single entry at 0 enters in step 1 and cannot win") << "0,weak,1" << 1 << 1 << false;
        QTest::newRow("two entries at 0: one enters in step 1") << twoAtZero << 1 << 1 << false;
        QTest::newRow("two entries at 0: the other in step 2") << twoAtZero << 2 << 2 << false;
        QTest::newRow("second 10 is not due in step 99") << tenAndSixty << 99 << 0 << false;
        QTest::newRow("second 10 enters in step 100") << tenAndSixty << 100 << 1 << false;
        QTest::newRow("second 60 is not due in step 600") << tenAndSixty << 600 << 1 << false;
        QTest::newRow("second 60 enters in step 601") << tenAndSixty << 601 << 2 << false;
        QTest::newRow("an unknown monster is used up and the game is won") << "0,nobody,1" << 1 << 0 << true;
        QTest::newRow("an empty schedule wins in the first step") << "" << 1 << 0 << true;
    }
    void scheduleReleasesOneMonsterPerStepThenWins()
    {
        QFETCH(QString, schedule);
        QFETCH(int, steps);
        TestWindow w(schedule);
        w.tick(steps);
        QTEST(w.world->monsters()->size(), "monsters");
        QTEST(w.world->isOver() && !w.world->isLost(), "won");
    }
};

QTEST_MAIN(TestWorldStep)
#include "tst_worldstep.moc"
