#include "building.h"
#include "gameworld.h"
#include "healthbar.h"
#include "monster.h"
#include "pony.h"
#include "qclicklabel.h"
#include "qmybutton.h"
#include "testwindow.h"

#include <QtTest>

static const QStringList kPonies = { "farmfood", "farmstone", "fastrepair", "plain", "summonstrike" };

// Kinds and actions are written out of order: the columns must sort them by code. Each pony
// kind's bonus is its code.
static void writeGame(GameDir& dir)
{
    dir.writePicture("building_farmfood.png", 101, 81);
    dir.writePicture("building_farmstone.png", 60, 50);
    dir.writePicture("building_hospital.png", 90, 71);
    QString ponies;
    for (const QString& code : kPonies)
        ponies.prepend(QString("[%1]\nName=Пони %1\nNeedMagic=50\nMaxHealth=100\nBonus=%1\n").arg(code));
    dir.writeIni("pony.ini", ponies);
    dir.writeIni("action.ini", "[repair]\nName=Действие repair\n[cure]\nName=Действие cure\n");
    dir.writeIni("monster.ini", "[apple]\nMaxHealth=101\n");
}

// Summons a pony of the kind, centres it on (x, y) and halves its health.
static Pony* addPony(TestWindow& w, const QString& kind, int x, int y)
{
    auto* pony = static_cast<Pony*>(w.place(kind, x, y));
    pony->health = 50;
    return pony;
}

// A pony of the kind in the first cell of a building (farm 0, mine 1, hospital 2), `offset` px
// right of the cell's centre, maybe a second one in the second cell; the world's stone and the
// building's health before one step.
struct Work { int building; const char* kind; int offset; const char* second; float stone; float health; };
Q_DECLARE_METATYPE(Work)

class TestUnits : public QObject
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

    void poniesInCellsWorkHealAndRepair_data()
    {
        QTest::addColumn<Work>("work");
        QTest::addColumn<QString>("after");
        QTest::newRow("farm yields 0.5 food for a pony 2 px off the cell centre") << Work{ 0, "plain", 2, nullptr, 0, 500 } << "food 0.50 stone 0.00 building 500.00 pony 50.00";
        QTest::newRow("pony 3 px off the cell centre does nothing") << Work{ 0, "plain", 3, nullptr, 0, 500 } << "food 0.00 stone 0.00 building 500.00 pony 50.00";
        QTest::newRow("farmfood pony yields 0.75 food") << Work{ 0, "farmfood", 0, nullptr, 0, 500 } << "food 0.75 stone 0.00 building 500.00 pony 50.00";
        QTest::newRow("mine yields 0.3 stone") << Work{ 1, "plain", 0, nullptr, 0, 500 } << "food 0.00 stone 0.30 building 500.00 pony 50.00";
        QTest::newRow("farmstone pony yields 0.45 stone") << Work{ 1, "farmstone", 0, nullptr, 0, 500 } << "food 0.00 stone 0.45 building 500.00 pony 50.00";
        QTest::newRow("hospital heals its pony 0.5") << Work{ 2, "plain", 0, nullptr, 0, 500 } << "food 0.00 stone 0.00 building 500.00 pony 50.50";
        QTest::newRow("0.9 stone repairs nothing") << Work{ 2, "plain", 0, nullptr, 0.9f, 400 } << "food 0.00 stone 0.90 building 400.00 pony 50.50";
        QTest::newRow("1.0 stone repairs 0.5 for 0.2 stone") << Work{ 2, "plain", 0, nullptr, 1, 400 } << "food 0.00 stone 0.80 building 400.50 pony 50.50";
        QTest::newRow("fastrepair pony repairs 0.75") << Work{ 2, "fastrepair", 0, nullptr, 1, 400 } << "food 0.00 stone 0.80 building 400.75 pony 50.50";
        QTest::newRow("two working ponies repair and pay twice") << Work{ 0, "plain", 0, "farmstone", 5, 400 } << "food 1.00 stone 4.60 building 401.00 pony 50.00";
        QTest::newRow("repair stops at the maximum") << Work{ 0, "plain", 0, nullptr, 5, 499.8f } << "food 0.50 stone 4.80 building 500.00 pony 50.00";
        QTest::newRow("building at full health spends no stone") << Work{ 0, "plain", 0, nullptr, 5, 500 } << "food 0.50 stone 5.00 building 500.00 pony 50.00";
    }
    void poniesInCellsWorkHealAndRepair()
    {
        QFETCH(Work, work);
        TestWindow w(writeGame);
        Building* building = w.world->buildings().at(work.building);
        const QList<QClickLabel*>& cells = building->cellList();
        const Pony* pony = addPony(w, work.kind, cells.at(0)->centerX() + work.offset, cells.at(0)->centerY());
        if (work.second)
            addPony(w, work.second, cells.at(1)->centerX(), cells.at(1)->centerY());
        w.world->setFood(0);
        w.world->setStone(work.stone);
        building->health = work.health;
        building->step(0.1f);
        QTEST(QString::asprintf("food %.2f stone %.2f building %.2f pony %.2f", w.world->foodAmount(), w.world->stoneAmount(), building->health, pony->health), "after");
    }

    // The farm's picture is 101 x 81: a fruit within half its diagonal (64.7 px) hits it and stops.
    void aFruitHitsABuildingWithinHalfItsDiagonal_data()
    {
        QTest::addColumn<int>("distance");
        QTest::addColumn<bool>("hit");
        QTest::newRow("a fruit 64 px from the farm's centre hits it") << 64 << true;
        QTest::newRow("a fruit 65 px from the farm's centre is out of reach") << 65 << false;
    }
    void aFruitHitsABuildingWithinHalfItsDiagonal()
    {
        QFETCH(int, distance);
        TestWindow w(writeGame);
        const QMyLabel* fruit = w.place("apple", 300 + distance, 300);
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

    void columnsStackOneButtonPerKindInCodeOrder()
    {
        TestWindow w(writeGame);
        const auto checkColumn = [](const QList<QMyButton*>& buttons, int x, const QStringList& codes, const QString& tip, const char* property) {
            QCOMPARE(buttons.size(), codes.size());
            for (int n = 0; n < codes.size(); ++n) {
                QCOMPARE(buttons.at(n)->geometry(), QRect(x, 50 + 45 * n, 40, 40));
                QCOMPARE(buttons.at(n)->toolTip(), tip + codes.at(n));
                QCOMPARE(buttons.at(n)->property(property).toString(), codes.at(n));
            }
        };
        checkColumn(w.ponyButtons, 970, kPonies, "Призыв Пони ", "ponycode");
        checkColumn(w.actionButtons, 10, { "cure", "repair" }, "Действие ", "actioncode");
    }

    // A quick double click on a summon button, before the next tick hides it, summons once.
    void doubleClickedSummonPaysPlacesAndStrikesOnce_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<float>("magic");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<float>("magicAfter");
        QTest::newRow("in the 1024x768 window at (462, 274)") << QSize(1024, 768) << 250.f << QPoint(462, 274) << 200.f;
        QTest::newRow("in an 800x600 window at (350, 190), paying down to 0") << QSize(800, 600) << 30.f << QPoint(350, 190) << 0.f;
    }
    void doubleClickedSummonPaysPlacesAndStrikesOnce()
    {
        QFETCH(QSize, window);
        QFETCH(float, magic);
        QFETCH(QPoint, place);
        TestWindow w(writeGame);
        w.resize(window);
        w.world->setMagic(magic);
        for (int n = 0; n < 2; ++n)
            w.addMonster("apple", 100, 200);
        // A monster stands centred on the point it is released at.
        QCOMPARE(w.world->monsters().at(0)->geometry(), QRect(80, 180, 40, 40));
        QMyButton* summonStrike = w.summonButton("summonstrike");
        QTest::mouseClick(summonStrike, Qt::LeftButton);
        QTest::mouseClick(summonStrike, Qt::LeftButton);
        QCOMPARE(w.findChildren<Pony*>().size(), 1);
        QCOMPARE(w.world->ponies().at(0)->geometry(), QRect(place, QSize(40, 40)));
        QCOMPARE(w.world->ponies().at(0)->healthBarLabel()->geometry(), QRect(place + QPoint(0, 39), QSize(40, 5)));
        QTEST(w.world->magicAmount(), "magicAfter");
        QCOMPARE(w.world->monsters().at(0)->health, 51.f);
        QCOMPARE(w.world->monsters().at(1)->health, 51.f);
    }
};

QTEST_MAIN(TestUnits)
#include "tst_units.moc"
