#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "qmybutton.h"
#include "strikeflash.h"
#include "testwindow.h"

#include <QTimer>
#include <QtTest>

static const QStringList kPonies = { "farmfood", "farmstone", "fastrepair", "plain", "summonstrike" };

// Kinds and actions are written out of order: the columns must sort them by code. Each pony
// kind's bonus is its code.
static void writeGame(GameDir& dir)
{
    QString ponies;
    for (const QString& code : kPonies)
        ponies.prepend(QString("[%1]\nName=Пони %1\nNeedMagic=50\nMaxHealth=100\nBonus=%1\n").arg(code));
    dir.writeIni("pony.ini", ponies);
    dir.writeIni("action.ini", "[repair]\nName=Действие repair\n[cure]\nName=Действие cure\n");
    dir.writeIni("monster.ini", "[apple]\nMaxHealth=101\n");
    // Pictures whose sizes are not the sides they are drawn at.
    dir.writePicture("summonstrike_ico.png", 50, 20);
    dir.writePicture("plain_ico.png", 20, 50);
    dir.writePicture("monster_apple.png", 20, 50);
}

class TestUnits : public QObject
{
    Q_OBJECT
private slots:
    void columnsStackOneButtonPerKindInCodeOrder()
    {
        TestWindow w(writeGame);
        const auto checkColumn = [](const QList<QMyButton*>& buttons, int x, const QStringList& codes, const QString& tip, const char* property) {
            QCOMPARE(buttons.size(), codes.size());
            for (int n = 0; n < codes.size(); ++n) {
                QCOMPARE(buttons.at(n)->geometry(), QRect(x, 50 + 45 * n, 40, 40));
                QCOMPARE(buttons.at(n)->iconSize(), QSize(30, 30));
                QCOMPARE(buttons.at(n)->toolTip(), tip + codes.at(n));
                QCOMPARE(buttons.at(n)->property(property).toString(), codes.at(n));
            }
        };
        checkColumn(w.ponyButtons, 970, kPonies, "Призыв Пони ", "ponycode");
        checkColumn(w.actionButtons, 10, { "cure", "repair" }, "Действие ", "actioncode");
    }

    // A quick double click on a summon button, before the next tick hides it, summons once; the
    // strike is seen as a short flash on each fruit it hit, over the field and never in the way.
    void doubleClickedSummonPaysPlacesAndStrikesOnce_data()
    {
        QTest::addColumn<QString>("pony");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<float>("magic");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<float>("magicAfter");
        QTest::addColumn<float>("fruitHealth");
        QTest::addColumn<int>("bolts");
        QTest::newRow("in the 1024x768 window at (462, 274)") << "summonstrike" << QSize(1024, 768) << 250.f << QPoint(462, 274) << 200.f << 51.f << 2;
        QTest::newRow("in an 800x600 window at (350, 190), paying down to 0") << "summonstrike" << QSize(800, 600) << 30.f << QPoint(350, 190) << 0.f << 51.f << 2;
        QTest::newRow("a pony without the strike hurts no fruit and flashes nothing") << "plain" << QSize(1024, 768) << 250.f << QPoint(462, 274) << 200.f << 101.f << 0;
    }
    void doubleClickedSummonPaysPlacesAndStrikesOnce()
    {
        QFETCH(QString, pony);
        QFETCH(QSize, window);
        QFETCH(float, magic);
        QFETCH(QPoint, place);
        QFETCH(int, bolts);
        TestWindow w(writeGame);
        w.resize(window);
        w.world->setMagic(magic);
        for (int n = 0; n < 2; ++n)
            w.addMonster("apple", 100, 200);
        // A monster stands centred on the point it is released at.
        QCOMPARE(w.world->monsters().at(0)->geometry(), QRect(80, 180, 40, 40));
        QMyButton* summonButton = w.summonButton(pony);
        QTest::mouseClick(summonButton, Qt::LeftButton);
        QTest::mouseClick(summonButton, Qt::LeftButton);
        QCOMPARE(w.findChildren<Pony*>().size(), 1);
        QCOMPARE(w.world->ponies().at(0)->geometry(), QRect(place, QSize(40, 40)));
        QCOMPARE(w.world->ponies().at(0)->healthBarLabel()->geometry(), QRect(place + QPoint(0, 39), QSize(40, 5)));
        // Units are drawn 33 px square in their 40 px frames, whatever their pictures' sizes.
        QCOMPARE(w.world->ponies().at(0)->pixmap(Qt::ReturnByValue).size(), QSize(33, 33));
        QCOMPARE(w.world->monsters().at(0)->pixmap(Qt::ReturnByValue).size(), QSize(33, 33));
        QTEST(w.world->magicAmount(), "magicAfter");
        QTEST(w.world->monsters().at(0)->health, "fruitHealth");
        QTEST(w.world->monsters().at(1)->health, "fruitHealth");
        const StrikeFlash* flash = w.findChild<StrikeFlash*>();
        QCOMPARE(flash->bolts(), QVector<QPoint>(bolts, QPoint(100, 200)));
        QCOMPARE(flash->isVisibleTo(&w), bolts > 0);
        QVERIFY(flash->testAttribute(Qt::WA_TransparentForMouseEvents));
        // Gone within half a second, by its own clock.
        const QTimer* fade = flash->findChild<QTimer*>();
        QVERIFY(fade->isSingleShot() && fade->interval() <= 500 && fade->isActive() == (bolts > 0));
        QVERIFY(QMetaObject::invokeMethod(const_cast<QTimer*>(fade), "timeout"));
        QVERIFY(!flash->isVisibleTo(&w) && flash->bolts().isEmpty());
    }
};

QTEST_MAIN(TestUnits)
#include "tst_units.moc"
