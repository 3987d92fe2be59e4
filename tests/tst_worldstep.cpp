#include "building.h"
#include "gameworld.h"
#include "qmylabel.h"
#include "testwindow.h"

#include <QtTest>

#include <optional>

// The world step, as a player notices it, every 0.1 s of game time:
// - a walking pony eats 0.1 food while more than that is left, else loses 0.1 health; starved
//   to 0 she stays at 0 and the game goes on;
// - a pony below full health heals 0.2 for 0.2 food while more than 0.2 is left; 0.3 while the
//   "fastheal" pony is summoned; magic grows 0.2, 0.3 with the "fastmagic" pony;
// - a fruit hits every pony within the pony's whole diagonal, each pony hits back, and a fruit
//   killed by a hit back still hits the next pony; a pony beaten to 0 loses at once;
// - a fighting fruit stands; once nothing is in reach it stands one more step, then walks to a
//   building's centre;
// - every dead fruit leaves in the step it dies; one scheduled fruit enters per step, and that
//   step cannot also win; a finished game no longer changes.

// A unit placed centred on a point: a pony by its summon button, else a monster; it keeps the
// health it was made with unless one is given, and may be sent towards a point.
struct Unit
{
    QString code;
    QPoint at;
    float health = kAsMade;
    std::optional<QPoint> sentTo = std::nullopt;
    static constexpr float kAsMade = -1;
};
Q_DECLARE_METATYPE(QList<Unit>)

// What is left of a unit after the steps: its health, or kGone once it has been deleted.
constexpr float kGone = -1;

class TestWorldStep : public QObject
{
    Q_OBJECT
private slots:
    void stepFeedsHealsFightsAndGrowsMagic_data()
    {
        // Ponies are "plain", "strong" (summoned for 100 magic), "fastheal" and "fastmagic"; the
        // others are monsters.
        QTest::addColumn<QList<Unit>>("units");
        QTest::addColumn<float>("food");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QList<float>>("healths");
        QTest::addColumn<float>("foodAfter");
        QTest::addColumn<int>("magic");
        QTest::addColumn<float>("farm");
        QTest::addColumn<QString>("defeat");
        using U = QList<Unit>;
        using H = QList<float>;
        const QString none;
        QTest::newRow("a walking pony with 0.15 food eats 0.1 and keeps 0.05") << U{ { "plain", { 150, 600 }, Unit::kAsMade, QPoint(150, 0) } } << 0.15f << 1 << H{ 100 } << 0.05f << 250 << 500.f << none;
        QTest::newRow("a walking pony with exactly 0.1 food starves, losing 0.1 health") << U{ { "plain", { 150, 600 }, Unit::kAsMade, QPoint(150, 0) } } << 0.1f << 1 << H{ 99.9f } << 0.1f << 250 << 500.f << none;
        QTest::newRow("a pony starved to 0 stays at 0 and the game goes on") << U{ { "plain", { 150, 600 }, 0.05f, QPoint(150, 0) } } << 0.f << 2 << H{ 0 } << 0.f << 250 << 500.f << none;
        QTest::newRow("ponies move before buildings work: a pony arriving in a cell works at once") << U{ { "plain", { 275, 325 }, Unit::kAsMade, QPoint(275, 315) } } << 0.f << 1 << H{ 100 } << 0.5f << 250 << 500.f << none;
        QTest::newRow("a pony at 90 with 0.25 food heals to 90.2 leaving 0.05") << U{ { "plain", { 150, 600 }, 90 } } << 0.25f << 1 << H{ 90.2f } << 0.05f << 250 << 500.f << none;
        QTest::newRow("a pony at 90 with exactly 0.2 food does not heal") << U{ { "plain", { 150, 600 }, 90 } } << 0.2f << 1 << H{ 90 } << 0.2f << 250 << 500.f << none;
        QTest::newRow("with the fastheal pony healing is 0.3 for 0.2 food") << U{ { "plain", { 150, 600 }, 90 }, { "fastheal", { 150, 200 } } } << 10.f << 1 << H{ 90.3f, 100 } << 9.8f << 250 << 500.f << none;
        QTest::newRow("a pony whose bonus, not code, is fastheal heals no faster") << U{ { "plain", { 150, 600 }, 90 }, { "healer", { 150, 200 } } } << 10.f << 1 << H{ 90.2f, 100 } << 9.8f << 250 << 500.f << none;
        QTest::newRow("ten steps from 250 magic read 251") << U{ { "plain", { 150, 600 } } } << 10.f << 10 << H{ 100 } << 10.f << 251 << 500.f << none;
        QTest::newRow("the eleventh step passes 252") << U{ { "plain", { 150, 600 } } } << 10.f << 11 << H{ 100 } << 10.f << 252 << 500.f << none;
        QTest::newRow("with the fastmagic pony seven steps reach 252") << U{ { "fastmagic", { 150, 600 } } } << 10.f << 7 << H{ 100 } << 10.f << 252 << 500.f << none;
        QTest::newRow("a pony at (40, 40) is hit") << U{ { "plain", { 150, 600 } }, { "apple", { 190, 640 } } } << 100.f << 1 << H{ 99, 99 } << 100.f << 250 << 500.f << none;
        QTest::newRow("a pony at (40, 41) is safe") << U{ { "plain", { 150, 600 } }, { "apple", { 190, 641 } } } << 100.f << 1 << H{ 100, 100 } << 100.f << 250 << 500.f << none;
        QTest::newRow("a monster hits all in reach and each pony hits back")
            << U{ { "plain", { 330, 300 } }, { "strong", { 260, 300 } }, { "apple", { 300, 300 } }, { "apple", { 360, 300 } } } << 100.f << 1
            << H{ 98, 999, 49, 99 } << 100.f << 150 << 499.f << none;
        QTest::newRow("monsters killed in one step are deleted wherever they stand")
            << U{ { "strong", { 150, 600 } }, { "weak", { 150, 640 } }, { "weak", { 110, 600 } }, { "apple", { 800, 650 } }, { "weak", { 190, 600 } } } << 100.f << 1
            << H{ 1000, kGone, kGone, 100, kGone } << 100.f << 150 << 500.f << none;
        QTest::newRow("a fruit killed by one pony's hit back still hits the next pony in reach")
            << U{ { "strong", { 150, 600 } }, { "plain", { 190, 600 } }, { "apple", { 170, 600 }, 40 } } << 100.f << 1 << H{ 999, 99, kGone } << 100.f << 150 << 500.f << none;
        QTest::newRow("a pony beaten to 0 loses at once, before any hit back, magic or time")
            << U{ { "plain", { 150, 600 } }, { "brute", { 150, 640 } } } << 100.f << 1 << H{ 0, 1000 } << 100.f << 250 << 500.f << "Пони 'Простушка'' была сильно побита.";
        QTest::newRow("a farm beaten to 0 loses at once") << U{ { "brute", { 300, 300 } } } << 100.f << 1 << H{ 1000 } << 100.f << 250 << 0.f << "Здание 'Ферма'' было разрушено.";
    }
    void stepFeedsHealsFightsAndGrowsMagic()
    {
        QFETCH(QList<Unit>, units);
        QFETCH(float, food);
        QFETCH(int, steps);
        QFETCH(QList<float>, healths);
        QFETCH(QString, defeat);
        TestWindow w(TestWindow::smallGame());
        QList<QPointer<QMyLabel>> placed;
        for (const Unit& unit : units) {
            placed << w.place(unit.code, unit.at.x(), unit.at.y());
            if (unit.health != Unit::kAsMade)
                placed.last()->health = unit.health;
            if (unit.sentTo)
                placed.last()->moveTo(unit.sentTo->x(), unit.sentTo->y());
        }
        w.world->setFood(food);
        w.tick(steps);
        for (int n = 0; n < placed.size(); ++n)
            QCOMPARE(placed.at(n) ? placed.at(n)->health : kGone, healths.at(n));
        QTEST(w.world->foodAmount(), "foodAfter");
        QTEST(w.world->getMagic(), "magic");
        QTEST(w.world->buildings().first()->health, "farm");
        QCOMPARE(w.world->defeatText(), defeat);
        if (!defeat.isEmpty())
            QCOMPARE(w.world->timeElapsed(), 0.0f);
    }

    // A fruit stands while it fights; once nothing is in reach it stands one more step, then picks
    // a building and walks to its centre (the buildings have no pictures here, so only the centre
    // is in reach).
    void aFruitWalksOnOnceItsPonyHasGone_data()
    {
        QTest::addColumn<int>("steps"); // after the pony has gone
        QTest::addColumn<bool>("walking");
        QTest::addColumn<bool>("hitABuilding");
        QTest::newRow("a fruit whose pony has gone stands for one step") << 1 << false << false;
        QTest::newRow("a fruit whose pony has gone walks on in the second step") << 2 << true << false;
        QTest::newRow("a fruit walks 424 px to the mine's centre in 142 steps and hits it") << 200 << false << true;
    }
    void aFruitWalksOnOnceItsPonyHasGone()
    {
        QFETCH(int, steps);
        TestWindow w(TestWindow::smallGame());
        QMyLabel* pony = w.place(QStringLiteral("plain"), 150, 600);
        const QPointer<QMyLabel> apple = w.place(QStringLiteral("apple"), 150, 640);
        w.tick(2);
        QVERIFY(!apple->isMoving());
        pony->move(800, 100);
        w.tick(steps);
        QVERIFY(apple);
        QTEST(apple->isMoving(), "walking");
        bool hit = false;
        for (const Building* building : w.world->buildings())
            hit = hit || building->health < building->maxHealth;
        QTEST(hit, "hitABuilding");
    }

    void scheduleReleasesOneMonsterPerStepThenWins_data()
    {
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<QList<int>>("steps"); // counted from the start
        QTest::addColumn<QList<int>>("monsters"); // on the field after each of those steps
        QTest::addColumn<bool>("won");
        using L = QList<int>;
        QTest::newRow("a single entry at 0 enters in step 1, which cannot win") << "0,weak,1" << L{ 1 } << L{ 1 } << false;
        QTest::newRow("two entries at 0 enter in steps 1 and 2") << "0,weak,1\n0,weak,2" << L{ 1, 2 } << L{ 1, 2 } << false;
        QTest::newRow("second 10 is due in step 100 and second 60 in step 601") << "10,weak,1\n50,weak,1" << L{ 99, 100, 600, 601 } << L{ 0, 1, 1, 2 } << false;
        QTest::newRow("an unknown monster is used up and the game is won") << "0,nobody,1" << L{ 1 } << L{ 0 } << true;
    }
    void scheduleReleasesOneMonsterPerStepThenWins()
    {
        QFETCH(QString, schedule);
        QFETCH(QList<int>, steps);
        TestWindow w(TestWindow::smallGame(schedule));
        QList<int> monsters;
        int done = 0;
        for (const int step : steps) {
            w.tick(step - done);
            done = step;
            monsters << w.world->monsters().size();
        }
        QTEST(monsters, "monsters");
        QTEST(w.world->isOver() && !w.world->isLost(), "won");
        // A finished game no longer changes, whoever steps it.
        const float end = w.world->timeElapsed();
        if (w.world->isOver())
            w.world->step(0.1f);
        QCOMPARE(w.world->timeElapsed(), end);
    }
};

QTEST_MAIN(TestWorldStep)
#include "tst_worldstep.moc"
