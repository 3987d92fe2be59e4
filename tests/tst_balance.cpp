#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "testwindow.h"

#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kHalfAMinuteOfTicks = 300;

// The kinds of a shipped catalogue, read the way a modder sees them: one group per code.
QStringList shippedCodes(const char* catalogue)
{
    return QSettings(QStringLiteral(OLTERIA_SOURCE_DIR "/config/") + QLatin1String(catalogue), QSettings::IniFormat).childGroups();
}
}

// The shipped data is balanced for people: no fruit overwhelms a lone pony before a player
// can look back at her, idleness loses, a newcomer wins the easy mode but not every standard
// game, a person's pace wins the easy mode, and the reference player wins.
class TestBalance : public QObject
{
    Q_OBJECT
private slots:
    void noFruitKnocksOutAFullPonyInUnderHalfAMinute_data()
    {
        QTest::addColumn<bool>("easy");
        QTest::addColumn<QString>("fruit");
        QTest::addColumn<QString>("pony");
        for (const bool easy : { true, false }) {
            for (const QString& fruit : shippedCodes("monster.ini")) {
                for (const QString& pony : shippedCodes("pony.ini")) {
                    const QString row = QStringLiteral("%1 against %2, %3 mode").arg(fruit, pony, easy ? "easy" : "standard");
                    QTest::newRow(qPrintable(row)) << easy << fruit << pony;
                }
            }
        }
    }
    void noFruitKnocksOutAFullPonyInUnderHalfAMinute()
    {
        QFETCH(bool, easy);
        QFETCH(QString, fruit);
        QFETCH(QString, pony);
        // The shipped kinds on an open field, with no schedule: the fight is the whole game.
        TestWindow window([](GameDir& dir) { dir.copyShippedData(); dir.writeSchedule(QString()); }, easy ? MenuChoice::Easy : MenuChoice::Standard);
        window.world->setMagic(10000);
        QVERIFY(window.place(pony, 150, 600));
        QPointer<QMyLabel> enemy = window.place(fruit, 190, 600);
        QVERIFY(enemy);
        for (int tick = 0; tick < kHalfAMinuteOfTicks && window.ends.isEmpty(); ++tick)
            window.tick();
        QVERIFY2(!window.world->isLost(), qPrintable(window.world->defeatText()));
    }


    // The headless player, as one who runs it notices it:
    // - it prints one line: outcome (won, lost or timeout), game time, seed, mode, strategy;
    // - it exits 0 when won, 1 when lost, 3 at the time limit (--max-minutes);
    // - the same arguments play the same game, line for line;
    // - --chart and --screenshot write their pictures;
    // - a bad argument (an unknown strategy, a seed that is no whole number, no time) prints the
    //   usage and exits 2; a data folder missing a file names it and exits 4.
    void simPlaysOneGameAndSaysHowItEnded_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %data: a folder of the small game below; %out: a file to write
        QTest::addColumn<QString>("schedule"); // of the small game; null: it has none
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says"); // in its output or its errors
        QTest::addColumn<bool>("writes"); // %out
        using A = QStringList;
        const QString later = "60,brute,1";
        QTest::newRow("a game cut at the 12 s limit is a timeout, status 3") << A{ "--data", "%data", "--max-minutes", "0.2" } << later << 3 << "outcome=timeout time=12.0 " << false;
        QTest::newRow("a brute that breaks a building loses the game, status 1") << A{ "--data", "%data", "--strategy", "passive" } << "0,brute,1" << 1 << "outcome=lost " << false;
        QTest::newRow("an empty schedule is won in the first step, status 0") << A{ "--data", "%data" } << "" << 0 << "outcome=won time=0.1 " << false;
        QTest::newRow("the shipped game of seed 7 repeats line for line, and its chart is written")
            << A{ "--data", OLTERIA_DATA, "--seed", "7", "--mode", "standard", "--max-minutes", "0.5", "--chart", "%out" } << later << 3 << "seed=7 mode=standard strategy=reference" << true;
        QTest::newRow("a screenshot at second 1 is written") << A{ "--data", "%data", "--max-minutes", "0.05", "--screenshot", "1", "%out" } << later << 3 << "outcome=timeout" << true;
        QTest::newRow("an unknown strategy prints the usage, status 2") << A{ "--strategy", "lazy" } << later << 2 << "olteria-sim [options]" << false;
        QTest::newRow("a seed of 1.5 prints the usage, status 2") << A{ "--seed", "1.5" } << later << 2 << "olteria-sim [options]" << false;
        QTest::newRow("a time limit of 0 prints the usage, status 2") << A{ "--max-minutes", "0" } << later << 2 << "olteria-sim [options]" << false;
        QTest::newRow("a data folder without its schedule names it, status 4") << A{ "--data", "%data" } << QString() << 4 << "config/monsterscript.dat" << false;
    }
    void simPlaysOneGameAndSaysHowItEnded()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, schedule);
        QTemporaryDir scratch;
        const QString config = scratch.filePath("data/config/");
        QVERIFY(QDir(scratch.path()).mkpath("data/config"));
        const QMap<QString, QByteArray> files{ { "pony.ini", "[plain]\nMaxHealth=100\nSpeed=100\nAttack=10\n" },
                                               { "monster.ini", "[brute]\nMaxHealth=10\nSpeed=1000\nAttack=100000\n" },
                                               { "action.ini", "" } };
        for (auto file = files.begin(); file != files.end(); ++file) {
            QFile out(config + file.key());
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file.value()) == file.value().size());
        }
        QFile script(config + "monsterscript.dat");
        QVERIFY(schedule.isNull() || (script.open(QIODevice::WriteOnly) && script.write(schedule.toUtf8()) == schedule.size()));
        script.close();
        const QString out = scratch.filePath("out.png");
        arguments.replaceInStrings("%data", scratch.filePath("data")).replaceInStrings("%out", out);
        QString first;
        for (int run = 0; run < 2; ++run) {
            QProcess sim;
            sim.start(OLTERIA_SIM, arguments);
            QVERIFY2(sim.waitForFinished(60000) && sim.exitStatus() == QProcess::NormalExit, "olteria-sim did not finish");
            const QString said = QString::fromUtf8(sim.readAllStandardOutput() + sim.readAllStandardError());
            QFETCH(QString, says);
            QVERIFY2(said.contains(says), qPrintable(said));
            QTEST(sim.exitCode(), "status");
            if (run == 1)
                QCOMPARE(said, first);
            first = said;
        }
        QTEST(QFile::exists(out), "writes");
    }

    void gamesEndAsBalanced_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("strategy");
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("minWins");
        QTest::addColumn<int>("maxWins");
        QTest::newRow("a player who does nothing loses easy games") << "easy" << "passive" << 3 << 0 << 0;
        QTest::newRow("a player who does nothing loses standard games") << "standard" << "passive" << 3 << 0 << 0;
        QTest::newRow("a newcomer wins easy games") << "easy" << "newcomer" << 3 << 3 << 3;
        QTest::newRow("a newcomer loses standard games") << "standard" << "newcomer" << 3 << 0 << 1;
        QTest::newRow("the casual player wins easy games") << "easy" << "casual" << 3 << 3 << 3;
        QTest::newRow("the casual player wins some standard games and loses some") << "standard" << "casual" << 5 << 1 << 4;
        QTest::newRow("the reference player wins easy games") << "easy" << "reference" << 3 << 3 << 3;
        QTest::newRow("the reference player wins standard games") << "standard" << "reference" << 3 << 3 << 3;
    }
    void gamesEndAsBalanced()
    {
        QFETCH(QString, mode);
        QFETCH(QString, strategy);
        QFETCH(int, games);
        int wins = 0;
        for (int seed = 1; seed <= games; ++seed) {
            QProcess sim;
            sim.start(OLTERIA_SIM, { "--data", OLTERIA_DATA, "--mode", mode, "--strategy", strategy, "--seed", QString::number(seed) });
            QVERIFY2(sim.waitForFinished(120000) && sim.exitStatus() == QProcess::NormalExit, "olteria-sim did not finish");
            const QByteArray line = sim.readAllStandardOutput().trimmed();
            QVERIFY2(sim.exitCode() == 0 || sim.exitCode() == 1, line.constData()); // won or lost before the time limit
            qInfo("%s", line.constData());
            wins += sim.exitCode() == 0 ? 1 : 0;
            const double minutes = line.split(' ').at(1).mid(5).toDouble() / 60; // "time=537.3"
            QVERIFY2(sim.exitCode() == 1 || (minutes >= 8 && minutes <= 13), line.constData()); // a won game lasts 8 to 13 minutes
        }
        QFETCH(int, minWins);
        QFETCH(int, maxWins);
        QVERIFY2(wins >= minWins && wins <= maxWins, qPrintable(QString::number(wins) + " games won"));
    }
};

QTEST_MAIN(TestBalance)
#include "tst_balance.moc"
