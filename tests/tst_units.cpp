#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "qmybutton.h"
#include "testwindow.h"

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

    // A quick double click on a summon button, before the next tick hides it, summons once.
    void doubleClickedSummonPaysPlacesAndStrikesOnce_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<float>("magic");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<float>("magicAfter");
        QTest::newRow("in the 1024x768 window at (462, 274)") << QSize(1024, 768) << 250.f << QPoint(462, 274) << 200.f;
        QTest::newRow("in an 800x600 window at (350, 190), paying down to 0") << QSize(800, 600) << 30.f << QPoint(350, 190) << 0.f;
    }
    void doubleClickedSummonPaysPlacesAndStrikesOnce()
    {
        QFETCH(QSize, window);
        QFETCH(float, magic);
        QFETCH(QPoint, place);
        TestWindow w(writeGame);
        w.resize(window);
        w.world->setMagic(magic);
        for (int n = 0; n < 2; ++n)
            w.addMonster("apple", 100, 200);
        // A monster stands centred on the point it is released at.
        QCOMPARE(w.world->monsters().at(0)->geometry(), QRect(80, 180, 40, 40));
        QMyButton* summonStrike = w.summonButton("summonstrike");
        QTest::mouseClick(summonStrike, Qt::LeftButton);
        QTest::mouseClick(summonStrike, Qt::LeftButton);
        QCOMPARE(w.findChildren<Pony*>().size(), 1);
        QCOMPARE(w.world->ponies().at(0)->geometry(), QRect(place, QSize(40, 40)));
        QCOMPARE(w.world->ponies().at(0)->healthBarLabel()->geometry(), QRect(place + QPoint(0, 39), QSize(40, 5)));
        // Units are drawn 33 px square in their 40 px frames, whatever their pictures' sizes.
        QCOMPARE(w.world->ponies().at(0)->pixmap(Qt::ReturnByValue).size(), QSize(33, 33));
        QCOMPARE(w.world->monsters().at(0)->pixmap(Qt::ReturnByValue).size(), QSize(33, 33));
        QTEST(w.world->magicAmount(), "magicAfter");
        QCOMPARE(w.world->monsters().at(0)->health, 51.f);
        QCOMPARE(w.world->monsters().at(1)->health, 51.f);
    }
};

QTEST_MAIN(TestUnits)
#include "tst_units.moc"
