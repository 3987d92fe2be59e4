#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "qmybutton.h"
#include "testwindow.h"

#include <QtTest>

#include <climits>
#include <utility>

// Data a modder might write by mistake must give a game that runs on: no crash, no undefined
// behaviour (the sanitizer build runs this too), every unit still somewhere on a sane plane.
class TestAbsurdData : public QObject
{
    Q_OBJECT
private slots:
    void gameRunsOnWithAbsurdNumbers()
    {
        TestWindow w([](GameDir& dir) {
            dir.writeIni(QStringLiteral("pony.ini"), QStringLiteral(
                "[rocket]\nMaxHealth=2147483647\nNeedMagic=-2147483648\nSpeed=2147483647\nAttack=2147483647\n"
                "[ghost]\nMaxHealth=0\nSpeed=-2147483648\nAttack=-5\n"));
            dir.writeIni(QStringLiteral("monster.ini"), QStringLiteral(
                "[runaway]\nMaxHealth=2147483647\nSpeed=-2147483648\nAttack=0\n"
                "[nothing]\nMaxHealth=-7\nSpeed=0\nAttack=2147483647\n"));
            dir.writeIni(QStringLiteral("action.ini"), QStringLiteral(
                "[incfood]\nNeedMagic=-2147483648\nValue=2147483647\n[cure]\nValue=-2147483648\n"));
            dir.writeSchedule(QStringLiteral("0,runaway,1\n0,nothing,5\n-2147483648,runaway,9\n"
                                             "2147483647,runaway,3\n0,runaway\n"));
        });
        w.summon(QStringLiteral("ghost"));
        Pony* rocket = w.summon(QStringLiteral("rocket"));
        QVERIFY(rocket);
        for (int i = 0; i < 300; ++i) {
            for (QMyButton* action : std::as_const(w.actionButtons))
                QTest::mousePress(action, Qt::LeftButton);
            rocket->moveTo(i % 2 ? INT_MIN : INT_MAX, INT_MAX);
            w.tick();
        }
        QCOMPARE(w.world->getMagic(), INT_MAX);
        QCOMPARE(w.world->getFood(), INT_MAX);
        QVERIFY(!w.world->isOver());
        QVERIFY(!w.world->monsters().isEmpty());
        for (const Monster* monster : w.world->monsters())
            QVERIFY(qAbs(monster->x()) <= 1 << 24 && qAbs(monster->y()) <= 1 << 24);
    }
};

QTEST_MAIN(TestAbsurdData)
#include "tst_absurddata.moc"
