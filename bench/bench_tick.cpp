#include "gameworld.h"
#include "monster.h"
#include "testwindow.h"

#include <QtTest>

// How much one game tick costs on a crowded field: five ponies at work and thirty fruits
// fighting around the buildings. Run it with -callgrind for instruction counts that do not
// depend on the machine's load.
class BenchTick : public QObject
{
    Q_OBJECT
private slots:
    void tickOnACrowdedField()
    {
        TestWindow w(TestWindow::smallGame(QString(), QStringLiteral("[cure]\nValue=1\n")));
        const QStringList ponies = { "plain", "small", "strong", "fastheal", "fastmagic" };
        for (int i = 0; i < ponies.size(); ++i)
            w.place(ponies.at(i), 275 + 50 * (i % 2), 315 + 60 * (i / 2));
        // Harmless and all but endless, so that the game never ends while it is measured.
        for (int i = 0; i < 30; ++i) {
            QMyLabel* fruit = w.addMonster(QStringLiteral("weak"), 100 + 25 * i, 150 + 10 * i);
            fruit->maxHealth = 1000000000;
            fruit->health = 1e9f;
        }
        QBENCHMARK {
            w.tick();
        }
        QVERIFY(!w.world->isOver());
    }
};

QTEST_MAIN(BenchTick)
#include "bench_tick.moc"
