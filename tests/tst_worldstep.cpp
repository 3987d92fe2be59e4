#include "building.h"
#include "gameworld.h"
#include "qmylabel.h"
#include "testwindow.h"

#include <QtTest>

// "code x y [health | > tx ty]; ...": each unit stands centred on (x, y), maybe sent towards (tx, ty).
static QList<QPointer<QMyLabel>> place(TestWindow& w, const QString& units)
{
    QList<QPointer<QMyLabel>> placed;
    for (const QString& unit : units.split(QLatin1Char(';'))) {
        const QStringList f = unit.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        placed << w.place(f.at(0), f.at(1).toInt(), f.at(2).toInt());
        if (f.size() > 5 && f.at(3) == QLatin1String(">"))
            placed.last()->moveTo(f.at(4).toInt(), f.at(5).toInt());
        else if (f.size() > 3)
            placed.last()->health = f.at(3).toFloat();
    }
    return placed;
}

class TestWorldStep : public QObject
{
    Q_OBJECT
private slots:
    void stepFeedsHealsFightsAndGrowsMagic_data()
    {
        // Ponies are "plain", "strong" (summoned for 100 magic), "fastheal" and "fastmagic"; the
        // others are monsters.
        QTest::addColumn<QString>("units");
        QTest::addColumn<float>("food");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("after"); // unit healths ("-" once deleted) | food | magic | farm health
        QTest::addColumn<QString>("defeat");
        QTest::newRow("a walking pony with 0.15 food eats 0.1 and keeps 0.05") << "plain 150 600 > 150 0" << 0.15f << 1 << "100 | 0.05 | 250 | 500" << "";
        QTest::newRow("a walking pony with exactly 0.1 food starves, losing 0.1 health") << "plain 150 600 > 150 0" << 0.1f << 1 << "99.9 | 0.1 | 250 | 500" << "";
        QTest::newRow("ponies move before buildings work: a pony arriving in a cell works at once") << "plain 275 325 > 275 315" << 0.f << 1 << "100 | 0.5 | 250 | 500" << "";
        QTest::newRow("a pony at 90 with 0.25 food heals to 90.2 leaving 0.05") << "plain 150 600 90" << 0.25f << 1 << "90.2 | 0.05 | 250 | 500" << "";
        QTest::newRow("a pony at 90 with exactly 0.2 food does not heal") << "plain 150 600 90" << 0.2f << 1 << "90 | 0.2 | 250 | 500" << "";
        QTest::newRow("with the fastheal pony healing is 0.3 for 0.2 food") << "plain 150 600 90; fastheal 150 200" << 10.f << 1 << "90.3 100 | 9.8 | 250 | 500" << "";
        QTest::newRow("a pony whose bonus, not code, is fastheal heals no faster") << "plain 150 600 90; healer 150 200" << 10.f << 1 << "90.2 100 | 9.8 | 250 | 500" << "";
        QTest::newRow("ten steps from 250 magic read 251") << "plain 150 600" << 10.f << 10 << "100 | 10 | 251 | 500" << "";
        QTest::newRow("the eleventh step passes 252") << "plain 150 600" << 10.f << 11 << "100 | 10 | 252 | 500" << "";
        QTest::newRow("with the fastmagic pony seven steps reach 252") << "fastmagic 150 600" << 10.f << 7 << "100 | 10 | 252 | 500" << "";
        QTest::newRow("a pony at (40, 40) is hit") << "plain 150 600; apple 190 640" << 100.f << 1 << "99 99 | 100 | 250 | 500" << "";
        QTest::newRow("a pony at (40, 41) is safe") << "plain 150 600; apple 190 641" << 100.f << 1 << "100 100 | 100 | 250 | 500" << "";
        QTest::newRow("a monster hits all in reach and each pony hits back")
            << "plain 330 300; strong 260 300; apple 300 300; apple 360 300" << 100.f << 1 << "98 999 49 99 | 100 | 150 | 499" << "";
        QTest::newRow("monsters killed in one step are deleted wherever they stand")
            << "strong 150 600; weak 150 640; weak 110 600; apple 800 650; weak 190 600" << 100.f << 1 << "1000 - - 100 - | 100 | 150 | 500" << "";
        QTest::newRow("a pony beaten to 0 loses at once, before any hit back, magic or time")
            << "plain 150 600; brute 150 640" << 100.f << 1 << "0 1000 | 100 | 250 | 500" << "Пони 'Простушка'' была сильно побита.";
        QTest::newRow("a farm beaten to 0 loses at once") << "brute 300 300" << 100.f << 1 << "1000 | 100 | 250 | 0" << "Здание 'Ферма'' было разрушено.";
    }
    void stepFeedsHealsFightsAndGrowsMagic()
    {
        QFETCH(QString, units);
        QFETCH(float, food);
        QFETCH(int, steps);
        QFETCH(QString, defeat);
        TestWindow w(TestWindow::smallGame());
        const QList<QPointer<QMyLabel>> placed = place(w, units);
        w.world->setFood(food);
        w.tick(steps);
        QStringList healths;
        for (const QMyLabel* unit : placed)
            healths << (unit ? QString::number(unit->health) : QStringLiteral("-"));
        const QStringList after = { healths.join(' '), QString::number(w.world->foodAmount()), QString::number(w.world->getMagic()),
                                    QString::number(w.world->buildings().first()->health) };
        QTEST(after.join(QStringLiteral(" | ")), "after");
        QCOMPARE(w.world->defeatText(), defeat);
        if (!defeat.isEmpty())
            QCOMPARE(w.world->timeElapsed(), 0.0f);
    }

    // A fruit stands while it fights; once nothing is in reach it picks a building and walks again.
    void aFruitWalksOnOnceItsPonyHasGone()
    {
        TestWindow w(TestWindow::smallGame());
        QMyLabel* pony = w.place(QStringLiteral("plain"), 150, 600);
        const QPointer<QMyLabel> apple = w.place(QStringLiteral("apple"), 150, 640);
        w.tick(2);
        QVERIFY(!apple->isMoving());
        pony->move(800, 100);
        w.tick(2);
        QVERIFY(apple && apple->isMoving());
    }

    void scheduleReleasesOneMonsterPerStepThenWins_data()
    {
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<QString>("monstersAfterSteps"); // "step:count ..."
        QTest::addColumn<bool>("won");
        QTest::newRow("a single entry at 0 enters in step 1, which cannot win") << "0,weak,1" << "1:1" << false;
        QTest::newRow("two entries at 0 enter in steps 1 and 2") << "0,weak,1\n0,weak,2" << "1:1 2:2" << false;
        QTest::newRow("second 10 is due in step 100 and second 60 in step 601") << "10,weak,1\n50,weak,1" << "99:0 100:1 600:1 601:2" << false;
        QTest::newRow("an unknown monster is used up and the game is won") << "0,nobody,1" << "1:0" << true;
    }
    void scheduleReleasesOneMonsterPerStepThenWins()
    {
        QFETCH(QString, schedule);
        QFETCH(QString, monstersAfterSteps);
        TestWindow w(TestWindow::smallGame(schedule));
        int done = 0;
        for (const QString& check : monstersAfterSteps.split(QLatin1Char(' '))) {
            const int step = check.section(QLatin1Char(':'), 0, 0).toInt();
            w.tick(step - done);
            done = step;
            QCOMPARE(w.world->monsters().size(), check.section(QLatin1Char(':'), 1).toInt());
        }
        QTEST(w.world->isOver() && !w.world->isLost(), "won");
    }
};

QTEST_MAIN(TestWorldStep)
#include "tst_worldstep.moc"
