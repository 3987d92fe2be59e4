#include "building.h"
#include "gameworld.h"
#include "healthbar.h"
#include "pony.h"
#include "qclicklabel.h"
#include "testwindow.h"

#include <QtTest>

// The buildings, as a player notices them:
// - the farm, mine and hospital stand at fixed centres, their pictures centred there and their
//   bars along the pictures' lowest row; each cell steps from the previous cell's centre;
// - a pony within 2 px of a cell's centre works there: 0.5 food per step (0.75 for "farmfood"),
//   0.3 stone (0.45 for "farmstone"), or 0.5 health in the hospital;
// - while damaged and with one whole stone, each working pony repairs 0.5 (0.75 for
//   "fastrepair") for 0.2 stone; full health costs no stone;
// - a fruit hits a building within half its picture's diagonal;
// - the bar shows the health the step began with, red in the hit step and the next.

// Building pictures of their own sizes, a pony for each work bonus and a plain one, a fruit.
static void writeGame(GameDir& dir)
{
    dir.writePicture("building_farmfood.png", 101, 81);
    dir.writePicture("building_farmstone.png", 60, 50);
    dir.writePicture("building_hospital.png", 90, 71);
    QString ponies;
    for (const char* code : { "farmfood", "farmstone", "fastrepair", "plain" })
        ponies += QString("[%1]\nMaxHealth=100\nBonus=%1\n").arg(code);
    dir.writeIni("pony.ini", ponies);
    dir.writeIni("monster.ini", "[apple]\nMaxHealth=101\n");
}

// Summons a pony of the kind, centres it on (x, y) and halves its health.
static Pony* addPony(TestWindow& w, const QString& kind, int x, int y)
{
    auto* pony = static_cast<Pony*>(w.place(kind, x, y));
    pony->health = 50;
    return pony;
}

class TestBuildings : public QObject
{
    Q_OBJECT
private slots:
    void windowBuildsThreeBuildingsWithCellsAndBars_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<QPoint>>("cells");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<QRect>("bar");
        QTest::newRow("farm's second cell steps from its first") << 0 << QList<QPoint>{ { 275, 315 }, { 325, 315 } } << QRect(250, 260, 101, 81) << QRect(250, 339, 101, 5);
        QTest::newRow("mine's cells lie above and below") << 1 << QList<QPoint>{ { 500, 375 }, { 500, 425 } } << QRect(470, 375, 60, 50) << QRect(470, 424, 60, 5);
        QTest::newRow("hospital's cells lie left and right") << 2 << QList<QPoint>{ { 570, 220 }, { 630, 190 } } << QRect(555, 165, 90, 71) << QRect(555, 234, 90, 5);
    }
    void windowBuildsThreeBuildingsWithCellsAndBars()
    {
        QFETCH(int, index);
        TestWindow w(writeGame);
        const Building* building = w.world->buildings().at(index);
        QList<QPoint> cells;
        for (const QClickLabel* cell : building->cellList())
            cells << QPoint(cell->centerX(), cell->centerY());
        QTEST(cells, "cells");
        QTEST(building->healthBarLabel()->geometry(), "bar");
        // No cell covers a building's centre.
        const QLabel* picture = qobject_cast<QLabel*>(w.childAt(building->midX, building->midY));
        QVERIFY(picture);
        QTEST(picture->geometry(), "picture");
        QCOMPARE(picture->pixmap(Qt::ReturnByValue).size(), picture->size());
    }

    // A pony of the kind, its health halved, in the first cell of a building, `offset` px right
    // of the cell's centre, maybe a second one in the second cell; one step of the building.
    void poniesInCellsWorkHealAndRepair_data()
    {
        QTest::addColumn<int>("building"); // farm 0, mine 1, hospital 2
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("second"); // null: none
        QTest::addColumn<float>("stone");
        QTest::addColumn<float>("health");
        QTest::addColumn<float>("foodAfter");
        QTest::addColumn<float>("stoneAfter");
        QTest::addColumn<float>("healthAfter");
        QTest::addColumn<float>("ponyAfter");
        const QString none;
        QTest::newRow("farm yields 0.5 food for a pony 2 px off the cell centre") << 0 << "plain" << 2 << none << 0.f << 500.f << 0.5f << 0.f << 500.f << 50.f;
        QTest::newRow("pony 3 px off the cell centre does nothing") << 0 << "plain" << 3 << none << 0.f << 500.f << 0.f << 0.f << 500.f << 50.f;
        QTest::newRow("farmfood pony yields 0.75 food") << 0 << "farmfood" << 0 << none << 0.f << 500.f << 0.75f << 0.f << 500.f << 50.f;
        QTest::newRow("mine yields 0.3 stone") << 1 << "plain" << 0 << none << 0.f << 500.f << 0.f << 0.3f << 500.f << 50.f;
        QTest::newRow("farmstone pony yields 0.45 stone") << 1 << "farmstone" << 0 << none << 0.f << 500.f << 0.f << 0.45f << 500.f << 50.f;
        QTest::newRow("hospital heals its pony 0.5") << 2 << "plain" << 0 << none << 0.f << 500.f << 0.f << 0.f << 500.f << 50.5f;
        QTest::newRow("0.9 stone repairs nothing") << 2 << "plain" << 0 << none << 0.9f << 400.f << 0.f << 0.9f << 400.f << 50.5f;
        QTest::newRow("1.0 stone repairs 0.5 for 0.2 stone") << 2 << "plain" << 0 << none << 1.f << 400.f << 0.f << 0.8f << 400.5f << 50.5f;
        QTest::newRow("fastrepair pony repairs 0.75") << 2 << "fastrepair" << 0 << none << 1.f << 400.f << 0.f << 0.8f << 400.75f << 50.5f;
        QTest::newRow("two working ponies repair and pay twice") << 0 << "plain" << 0 << "farmstone" << 5.f << 400.f << 1.f << 4.6f << 401.f << 50.f;
        QTest::newRow("repair stops at the maximum") << 0 << "plain" << 0 << none << 5.f << 499.8f << 0.5f << 4.8f << 500.f << 50.f;
        QTest::newRow("building at full health spends no stone") << 0 << "plain" << 0 << none << 5.f << 500.f << 0.5f << 5.f << 500.f << 50.f;
    }
    void poniesInCellsWorkHealAndRepair()
    {
        QFETCH(int, building);
        QFETCH(QString, kind);
        QFETCH(int, offset);
        QFETCH(QString, second);
        QFETCH(float, stone);
        QFETCH(float, health);
        TestWindow w(writeGame);
        Building* worked = w.world->buildings().at(building);
        const QList<QClickLabel*>& cells = worked->cellList();
        const Pony* pony = addPony(w, kind, cells.at(0)->centerX() + offset, cells.at(0)->centerY());
        if (!second.isNull())
            addPony(w, second, cells.at(1)->centerX(), cells.at(1)->centerY());
        w.world->setFood(0);
        w.world->setStone(stone);
        worked->health = health;
        worked->step(0.1f);
        QTEST(w.world->foodAmount(), "foodAfter");
        QTEST(w.world->stoneAmount(), "stoneAfter");
        QTEST(worked->health, "healthAfter");
        QTEST(pony->health, "ponyAfter");
        // The bar is drawn before the work: it shows the health the step started with.
        QCOMPARE(worked->healthBarLabel()->width(), int(health / worked->maxHealth * worked->width));
    }

    // The farm's picture is 101 x 81 (half its diagonal 64.7 px), the mine's 60 x 50 (39.05 px):
    // a fruit within half the diagonal of a building's centre hits it and stops.
    void aFruitHitsABuildingWithinHalfItsDiagonal_data()
    {
        QTest::addColumn<int>("building");
        QTest::addColumn<QPoint>("offset"); // of the fruit's centre from the building's
        QTest::addColumn<bool>("hit");
        QTest::newRow("a fruit 64 px from the farm's centre hits it") << 0 << QPoint(64, 0) << true;
        QTest::newRow("a fruit 65 px from the farm's centre is out of reach") << 0 << QPoint(65, 0) << false;
        QTest::newRow("a fruit exactly half the mine's diagonal away hits it") << 1 << QPoint(25, 30) << true;
    }
    void aFruitHitsABuildingWithinHalfItsDiagonal()
    {
        QFETCH(int, building);
        QFETCH(QPoint, offset);
        TestWindow w(writeGame);
        const Building* target = w.world->buildings().at(building);
        const QMyLabel* fruit = w.place("apple", target->midX + offset.x(), target->midY + offset.y());
        w.tick();
        QTEST(!fruit->isMoving(), "hit");
    }

    // Buildings work before monsters hit, so a hit lands after the building's part of its step.
    void buildingBarIsRedInTheHitStepAndTheNext()
    {
        TestWindow w(writeGame);
        Building* farm = w.world->buildings().at(0);
        QStringList looks(farm->healthBarLabel()->styleSheet());
        for (int step = 1; step <= 4; ++step) {
            farm->step(0.1f);
            if (step == 2)
                farm->damage(250);
            looks << farm->healthBarLabel()->styleSheet();
        }
        QCOMPARE(looks, QStringList({ HealthBar::redStyle(), HealthBar::greenStyle(), HealthBar::redStyle(), HealthBar::redStyle(), HealthBar::greenStyle() }));
        QCOMPARE(farm->healthBarLabel()->width(), 50); // 250 of 500 on a 101 px picture
    }
};

QTEST_MAIN(TestBuildings)
#include "tst_buildings.moc"
