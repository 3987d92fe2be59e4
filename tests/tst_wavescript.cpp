#include "gamedir.h"
#include "wavescript.h"

#include <QtTest>

class TestWaveScript : public QObject
{
    Q_OBJECT
private slots:
    void scheduleGivesEntriesWithSummedReleaseTimes_data()
    {
        QTest::addColumn<QString>("schedule"); // null: no file at all
        QTest::addColumn<QString>("entries"); // "[code] x y releaseTime; ...", in file order
        QTest::addColumn<QString>("dueAtFirstStep"); // what takeDue(0.1) hands out, call after call
        QTest::newRow("two apples at second 0 come one per call, the pear at 12 waits")
            << "0,apple,1\n0,apple,5\n12,pear,8\n" << "[apple] 70 30 0; [apple] 900 700 0; [pear] 450 30 12" << "[apple] 70 30; [apple] 900 700";
        QTest::newRow("delays add up over all eight entry points") << "1,a,1\n1,b,2\n1,c,3\n1,d,4\n1,e,5\n1,f,6\n1,g,7\n1,h,8"
            << "[a] 70 30 1; [b] 70 350 2; [c] 70 700 3; [d] 450 700 4; [e] 900 700 5; [f] 900 350 6; [g] 900 30 7; [h] 450 30 8" << "";
        QTest::newRow("a negative delay releases a later line first") << "5,apple,1\n-5,pear,2" << "[apple] 70 30 5; [pear] 70 350 0" << "[pear] 70 350";
        QTest::newRow("two lines due together come in file order, not in order of time")
            << "0,a,1\n-1,b,2\n0,c,3" << "[a] 70 30 0; [b] 70 350 -1; [c] 70 700 -1" << "[a] 70 30; [b] 70 350; [c] 70 700";
        QTest::newRow("comments and blank lines are skipped, blanks around a code kept, fields after the third ignored")
            << "\n   \n# 1,fig,1\n   # 9,plum,2\n  4, apple ,3,x,9  \n" << "[ apple ] 70 700 4" << "";
        QTest::newRow("short lines and entry points outside 1 to 8 add nothing")
            << "5,apple\n7\n5,a,0\n5,b,9\n5,c,x\n5,d,-1\n1,pear,8" << "[pear] 450 30 1" << "";
        QTest::newRow("huge delays give a huge time, never a wrapped one")
            << "2000000000,a,1\n2000000000,b,1" << "[a] 70 30 2000000000; [b] 70 30 4000000000" << "";
        QTest::newRow("a missing file is finished at once") << QString() << "" << "";
    }
    void scheduleGivesEntriesWithSummedReleaseTimes()
    {
        QFETCH(QString, schedule);
        GameDir dir;
        if (!schedule.isNull())
            dir.writeSchedule(schedule);
        WaveScript script;
        QStringList pending;
        for (const WaveEntry& e : script.pendingEntries())
            pending << QString("[%1] %2 %3 %4").arg(e.code).arg(e.x).arg(e.y).arg(double(e.releaseTime), 0, 'f', 0);
        QTEST(pending.join("; "), "entries");
        QCOMPARE(script.isFinished(), pending.isEmpty());
        QStringList due;
        int x = -1, y = -1;
        QString code = "untouched";
        while (script.takeDue(0.1f, x, y, code))
            due << QString("[%1] %2 %3").arg(code).arg(x).arg(y);
        // The call that finds nothing due leaves the last answer (or the initial values) as it was.
        QCOMPARE(QString("[%1] %2 %3").arg(code).arg(x).arg(y), due.isEmpty() ? "[untouched] -1 -1" : due.last());
        QTEST(due.join("; "), "dueAtFirstStep");
    }
};

QTEST_MAIN(TestWaveScript)
#include "tst_wavescript.moc"
