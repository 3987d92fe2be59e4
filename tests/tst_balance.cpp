#include <QProcess>
#include <QtTest>

// Games of the shipped data played by olteria-sim: idleness loses, a person's pace wins the easy
// mode but not every standard game, the reference player wins.
class TestBalance : public QObject
{
    Q_OBJECT
private slots:
    void gamesEndAsBalanced_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("strategy");
        QTest::addColumn<int>("minWins");
        QTest::addColumn<int>("maxWins");
        QTest::newRow("a player who does nothing loses three easy games") << "easy" << "passive" << 0 << 0;
        QTest::newRow("a player who does nothing loses three standard games") << "standard" << "passive" << 0 << 0;
        QTest::newRow("the casual player wins three easy games") << "easy" << "casual" << 3 << 3;
        QTest::newRow("the casual player loses some of three standard games") << "standard" << "casual" << 0 << 2;
        QTest::newRow("the reference player wins three easy games") << "easy" << "reference" << 3 << 3;
        QTest::newRow("the reference player wins three standard games") << "standard" << "reference" << 3 << 3;
    }
    void gamesEndAsBalanced()
    {
        QFETCH(QString, mode);
        QFETCH(QString, strategy);
        int wins = 0;
        for (int seed = 1; seed <= 3; ++seed) {
            QProcess sim;
            sim.start(OLTERIA_SIM, { "--data", OLTERIA_DATA, "--mode", mode, "--strategy", strategy, "--seed", QString::number(seed) });
            QVERIFY2(sim.waitForFinished(120000) && sim.exitStatus() == QProcess::NormalExit, "olteria-sim did not finish");
            const QByteArray line = sim.readAllStandardOutput().trimmed();
            QVERIFY2(sim.exitCode() == 0 || sim.exitCode() == 1, line.constData()); // won or lost before the time limit
            qInfo("%s", line.constData());
            wins += sim.exitCode() == 0 ? 1 : 0;
            const double minutes = line.split(' ').at(1).mid(5).toDouble() / 60; // "time=537.3"
            QVERIFY2(sim.exitCode() == 1 || (minutes >= 8 && minutes <= 12), line.constData()); // a won game lasts 8 to 12 minutes
        }
        QFETCH(int, minWins);
        QFETCH(int, maxWins);
        QVERIFY2(wins >= minWins && wins <= maxWins, qPrintable(QString::number(wins) + " games won"));
    }
};

QTEST_MAIN(TestBalance)
#include "tst_balance.moc"
