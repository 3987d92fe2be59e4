#include "building.h"
#include "gamelauncher.h"
#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "qclicklabel.h"
#include "testwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

// Valgrind's header is only needed for instruction counts: without it the benchmark still
// builds, and measures wall time only.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define OLTERIA_CALLGRIND 1
#else
#define OLTERIA_CALLGRIND 0
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {
// The fruits walk along a band above the buildings and one below them, where they reach
// neither a building nor a pony, so that they keep walking for as long as the benchmark runs.
constexpr int kLeftEnd = 60;
constexpr int kRightEnd = 960;
constexpr int kWalkedFrames = 5;
constexpr qint64 kMinimumNanoseconds = 1000000000;
const QStringList kFruitKinds = { QStringLiteral("apple"), QStringLiteral("cherry"), QStringLiteral("pear"), QStringLiteral("lemon"), QStringLiteral("pineapple"), QStringLiteral("watermelon") };
// Summoned before any fruit is on the field, so that the summoning strike hurts none.
const QStringList kWorkingPonies = { QStringLiteral("clover"), QStringLiteral("flint"), QStringLiteral("crafter"), QStringLiteral("fastheal"), QStringLiteral("fastmagic"), QStringLiteral("summonstrike") };

// The shipped kinds and pictures; a schedule whose only fruit comes far beyond the measurement.
void writeShippedGame(GameDir& dir)
{
    const QString source = QStringLiteral(OLTERIA_SOURCE_DIR);
    for (const QString& folder : { QStringLiteral("config"), QStringLiteral("images") }) {
        const QStringList files = QDir(source + QLatin1Char('/') + folder).entryList(QDir::Files);
        for (const QString& file : files) {
            if (!QFile::copy(source + QLatin1Char('/') + folder + QLatin1Char('/') + file,
                             QLatin1String("../") + folder + QLatin1Char('/') + file))
                qFatal("bench_frame: cannot copy %s", qPrintable(file));
        }
    }
    dir.writeSchedule(QStringLiteral("999999,apple,1\n"));
}

// One fruit and the end of its band it walks to.
struct Walker
{
    Monster* fruit;
    int endX;
    int y;
};

#if OLTERIA_CALLGRIND
bool underValgrind()
{
    return RUNNING_ON_VALGRIND;
}

// Under callgrind only the measured part of a frame counts its instructions.
class Unmeasured
{
public:
    Unmeasured() { CALLGRIND_TOGGLE_COLLECT; }
    ~Unmeasured() { CALLGRIND_TOGGLE_COLLECT; }
};
#else
bool underValgrind()
{
    return false;
}

class Unmeasured
{
};
#endif
}

// A frame as a player gets it: the shown window with the shipped pictures, six ponies working in
// the cells and N fruits walking across the field. The tick and the repaint that follows it are
// measured apart: wall time as the median frame, or instructions with -callgrind.
class BenchFrame : public QObject
{
    Q_OBJECT
private slots:
    void frame_data()
    {
        QTest::addColumn<int>("fruits");
        QTest::addColumn<bool>("repaint");
        for (int fruits : { 0, 50, 200, 1000 }) {
            QTest::addRow("tick with %d walking fruits", fruits) << fruits << false;
            QTest::addRow("repaint with %d walking fruits", fruits) << fruits << true;
        }
    }

    void frame()
    {
        QFETCH(int, fruits);
        QFETCH(bool, repaint);
        const QString benchDir = QDir::currentPath();
        TestWindow w(writeShippedGame);
        // Qt Test looks for callgrind's results in the working directory it started in; the tick
        // and the repaint read no file, so the game folder is not needed once the window is built.
        QDir::setCurrent(benchDir);
        putPoniesToWork(w);
        addWalkers(w, fruits);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < kWalkedFrames; ++i)
            runFrame(w, repaint, nullptr);

        if (underValgrind()) {
            QBENCHMARK {
                runFrame(w, repaint, nullptr);
            }
        } else {
            reportMedianWallTime(w, repaint);
        }
        QVERIFY(!w.world->isOver());
        QCOMPARE(w.world->monsters().size(), fruits);
    }

private:
    void putPoniesToWork(TestWindow& w)
    {
        w.world->setMagic(1e6f);
        QList<const QClickLabel*> cells;
        for (const Building* building : w.world->buildings()) {
            for (const QClickLabel* cell : building->cellList())
                cells << cell;
        }
        for (int i = 0; i < kWorkingPonies.size() && i < cells.size(); ++i) {
            Pony* pony = w.summon(kWorkingPonies.at(i));
            QVERIFY(pony);
            pony->move(cells.at(i)->centerX() - pony->width() / 2, cells.at(i)->centerY() - pony->height() / 2);
        }
        QCOMPARE(w.world->ponies().size(), kWorkingPonies.size());
    }

    void addWalkers(TestWindow& w, int fruits)
    {
        walkers.clear();
        for (int i = 0; i < fruits; ++i) {
            const int y = i % 2 ? 40 + (i * 7) % 50 : 570 + (i * 11) % 140;
            const int x = kLeftEnd + (i * 53) % (kRightEnd - kLeftEnd);
            Monster* fruit = w.addMonster(kFruitKinds.at(i % kFruitKinds.size()), x, y);
            walkers.push_back({ fruit, x < (kLeftEnd + kRightEnd) / 2 ? kRightEnd : kLeftEnd, y });
            fruit->moveTo(walkers.back().endX, y);
        }
    }

    // A fruit that reached its end is turned back before the world sends it to a building.
    void turnBackArrivedFruits()
    {
        for (Walker& walker : walkers) {
            if (walker.fruit->centerX() == walker.endX && walker.fruit->centerY() == walker.y) {
                walker.endX = walker.endX == kLeftEnd ? kRightEnd : kLeftEnd;
                walker.fruit->moveTo(walker.endX, walker.y);
            }
        }
    }

    // Times the tick, or the repaint after it, into nanoseconds when given.
    void runFrame(TestWindow& w, bool repaint, qint64* nanoseconds)
    {
        QElapsedTimer clock;
        {
            std::optional<Unmeasured> unmeasured;
            if (repaint)
                unmeasured.emplace();
            clock.start();
            w.tick();
            if (!repaint && nanoseconds)
                *nanoseconds = clock.nsecsElapsed();
        }
        {
            std::optional<Unmeasured> unmeasured;
            if (!repaint)
                unmeasured.emplace();
            clock.start();
            QCoreApplication::sendPostedEvents();
            if (repaint && nanoseconds)
                *nanoseconds = clock.nsecsElapsed();
            turnBackArrivedFruits();
        }
    }

    // The median frame: the other builds sharing this machine slow some frames down.
    void reportMedianWallTime(TestWindow& w, bool repaint)
    {
        std::vector<qint64> samples;
        QElapsedTimer total;
        total.start();
        while (total.nsecsElapsed() < kMinimumNanoseconds || samples.size() < 21) {
            qint64 nanoseconds = 0;
            runFrame(w, repaint, &nanoseconds);
            samples.push_back(nanoseconds);
        }
        std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
        QTest::setBenchmarkResult(samples.at(samples.size() / 2), QTest::WalltimeNanoseconds);
    }

    std::vector<Walker> walkers;
};

int main(int argc, char** argv)
{
    // Without the header the benchmark can neither tell that callgrind runs it nor leave the
    // unmeasured half of each frame out of the count.
    const auto isCallgrind = [](const char* arg) { return std::strcmp(arg, "-callgrind") == 0; };
    if (!OLTERIA_CALLGRIND && std::any_of(argv + 1, argv + argc, isCallgrind)) {
        std::fputs("bench_frame: instruction counts need valgrind's header <valgrind/callgrind.h> when the "
                   "benchmark is built; install valgrind and build it again\n",
                   stderr);
        return 2;
    }
    // The frame as the game draws it: the same settings before the application object.
    GameLauncher::prepareApplication();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    BenchFrame bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_frame.moc"
