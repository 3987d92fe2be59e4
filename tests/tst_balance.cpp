#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "testwindow.h"

#include <QPointer>
#include <QProcess>
#include <QSettings>
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
