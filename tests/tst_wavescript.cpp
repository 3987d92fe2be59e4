#include "gamedir.h"
#include "schedulereader.h"
#include "wavescript.h"

#include <QtTest>

Q_DECLARE_METATYPE(ScheduleLine::Fate)

// The schedule, as a modder writing monsterscript.dat notices it:
// - each line "delay,code,entry point" adds its delay to the release time of the lines before;
// - entry points 1 to 8 are eight fixed spawn points; a line naming another is skipped;
// - a line of fewer than three fields, a blank line and a "#" comment are skipped, and the
//   checker is told which of these it was; fields after the third are ignored;
// - lines are trimmed, but blanks inside the code are kept;
// - a delay that is no whole number counts as 0, and the checker is told;
// - an entry is due at exactly its release time; one entry is handed out per call, of those
//   due the first in file order, so a negative delay lets a later line go first;
// - the schedule is finished once every entry is handed out; a missing file at once.
class TestWaveScript : public QObject
{
    Q_OBJECT
private slots:
    void eachLineIsAnEntryOrTheReasonItIsNot_data()
    {
        QTest::addColumn<QString>("text"); // trimmed, as the reader hands it on
        QTest::addColumn<ScheduleLine::Fate>("fate");
        QTest::addColumn<int>("delay");
        QTest::addColumn<bool>("delayIsWhole");
        using F = ScheduleLine::Fate;
        QTest::newRow("an empty line is blank, not short") << "" << F::Blank << 0 << false;
        QTest::newRow("a # line is a comment even when it reads as an entry") << "# 1,a,1" << F::Comment << 0 << false;
        QTest::newRow("two fields are too few") << "5,apple" << F::TooFewFields << 0 << false;
        QTest::newRow("entry point 9 is outside") << "5,a,9" << F::EntryPointOutside << 0 << false;
        QTest::newRow("a delay of 1.5 counts as 0, and is no whole number") << "1.5,a,1" << F::Entry << 0 << false;
        QTest::newRow("a delay of -5 is whole") << "-5,a,8" << F::Entry << -5 << true;
    }
    void eachLineIsAnEntryOrTheReasonItIsNot()
    {
        QFETCH(QString, text);
        const ScheduleLine line = ScheduleReader::readLine(7, text);
        QTEST(line.fate, "fate");
        QTEST(line.delay, "delay");
        QTEST(line.delayIsWhole, "delayIsWhole");
    }

    void scheduleGivesEntriesWithSummedReleaseTimes_data()
    {
        QTest::addColumn<QString>("schedule"); // null: no file at all
        // The entries in file order: their codes, entry points and release times.
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<double>>("times");
        // What takeDue(now) hands out, call after call.
        QTest::addColumn<QStringList>("dueCodes");
        QTest::addColumn<QList<QPoint>>("duePoints");
        QTest::addColumn<float>("now");
        using S = QStringList;
        using P = QList<QPoint>;
        using T = QList<double>;
        QTest::newRow("two apples at second 0 come one per call, the pear at 12 waits")
            << "0,apple,1\n0,apple,5\n12,pear,8\n" << S{ "apple", "apple", "pear" } << P{ { 70, 30 }, { 900, 700 }, { 450, 30 } } << T{ 0, 0, 12 }
            << S{ "apple", "apple" } << P{ { 70, 30 }, { 900, 700 } } << 0.1f;
        QTest::newRow("delays add up over all eight entry points") << "1,a,1\n1,b,2\n1,c,3\n1,d,4\n1,e,5\n1,f,6\n1,g,7\n1,h,8"
            << S{ "a", "b", "c", "d", "e", "f", "g", "h" } << P{ { 70, 30 }, { 70, 350 }, { 70, 700 }, { 450, 700 }, { 900, 700 }, { 900, 350 }, { 900, 30 }, { 450, 30 } }
            << T{ 1, 2, 3, 4, 5, 6, 7, 8 } << S() << P() << 0.1f;
        QTest::newRow("a negative delay releases a later line first") << "5,apple,1\n-5,pear,2" << S{ "apple", "pear" } << P{ { 70, 30 }, { 70, 350 } } << T{ 5, 0 }
            << S{ "pear" } << P{ { 70, 350 } } << 0.1f;
        QTest::newRow("two lines due together come in file order, not in order of time")
            << "0,a,1\n-1,b,2\n0,c,3" << S{ "a", "b", "c" } << P{ { 70, 30 }, { 70, 350 }, { 70, 700 } } << T{ 0, -1, -1 }
            << S{ "a", "b", "c" } << P{ { 70, 30 }, { 70, 350 }, { 70, 700 } } << 0.1f;
        QTest::newRow("comments and blank lines are skipped, blanks around a code kept, fields after the third ignored")
            << "\n   \n# 1,fig,1\n   # 9,plum,2\n  4, apple ,3,x,9  \n" << S{ " apple " } << P{ { 70, 700 } } << T{ 4 } << S() << P() << 0.1f;
        QTest::newRow("short lines and entry points outside 1 to 8 add nothing")
            << "5,apple\n7\n5,a,0\n5,b,9\n5,c,x\n5,d,-1\n1,pear,8" << S{ "pear" } << P{ { 450, 30 } } << T{ 1 } << S() << P() << 0.1f;
        QTest::newRow("huge delays give a huge time, never a wrapped one")
            << "2000000000,a,1\n2000000000,b,1" << S{ "a", "b" } << P{ { 70, 30 }, { 70, 30 } } << T{ 2000000000, 4000000000 } << S() << P() << 0.1f;
        QTest::newRow("an entry is due at exactly its release time") << "1,a,1\n1,b,2" << S{ "a", "b" } << P{ { 70, 30 }, { 70, 350 } } << T{ 1, 2 }
            << S{ "a" } << P{ { 70, 30 } } << 1.f;
        QTest::newRow("a missing file is finished at once") << QString() << S() << P() << T() << S() << P() << 0.1f;
        QTest::newRow("a NUL byte ends its line's text, on Qt 5 as on Qt 6")
            << QStringLiteral("1,a,1\n1,b,2") + QChar(0) + QStringLiteral("junk\n1,c") + QChar(0) + QStringLiteral(",3")
            << S{ "a", "b" } << P{ { 70, 30 }, { 70, 350 } } << T{ 1, 2 } << S{ "a" } << P{ { 70, 30 } } << 1.f;
    }
    void scheduleGivesEntriesWithSummedReleaseTimes()
    {
        QFETCH(QString, schedule);
        GameDir dir;
        if (!schedule.isNull())
            dir.writeSchedule(schedule);
        WaveScript script;
        QStringList codes;
        QList<QPoint> points;
        QList<double> times;
        for (const WaveEntry& e : script.pendingEntries()) {
            codes << e.code;
            points << QPoint(e.x, e.y);
            times << double(e.releaseTime);
        }
        QTEST(codes, "codes");
        QTEST(points, "points");
        QTEST(times, "times");
        QCOMPARE(script.isFinished(), codes.isEmpty());
        QStringList dueCodes;
        QList<QPoint> duePoints;
        int x = -1, y = -1;
        QString code = "untouched";
        QFETCH(float, now);
        while (script.takeDue(now, x, y, code)) {
            dueCodes << code;
            duePoints << QPoint(x, y);
        }
        // The call that finds nothing due leaves the last answer (or the initial values) as it was.
        QCOMPARE(code, dueCodes.isEmpty() ? "untouched" : dueCodes.last());
        QCOMPARE(QPoint(x, y), duePoints.isEmpty() ? QPoint(-1, -1) : duePoints.last());
        QTEST(dueCodes, "dueCodes");
        QTEST(duePoints, "duePoints");
        QCOMPARE(script.isFinished(), dueCodes.size() == codes.size());
    }
};

QTEST_MAIN(TestWaveScript)
#include "tst_wavescript.moc"
