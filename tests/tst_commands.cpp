#include "building.h"
#include "gamedir.h"
#include "gameworld.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "monster.h"
#include "monstercatalogue.h"
#include "pony.h"
#include "qclicklabel.h"
#include "qmybutton.h"

#include <QLabel>
#include <QtTest>

#include <cstdlib>

// Built before the window: the game folder it reads and the answer to its start menu.
struct GameFiles
{
    explicit GameFiles(const QString& actions)
    {
        dir.writeIni(QStringLiteral("pony.ini"), QStringLiteral("[plain]\nName=Простушка\nMaxHealth=100\nSpeed=100\nAttack=10\n"
                                                                "[small]\nName=Крошка\nMaxHealth=30\nSpeed=100\nAttack=10\n"));
        dir.writeIni(QStringLiteral("monster.ini"), QStringLiteral("[weak]\nMaxHealth=10\nSpeed=30\nAttack=0\n"));
        dir.writeIni(QStringLiteral("action.ini"), actions);
        dir.writeSchedule(QStringLiteral("9999,weak,1"));
    }
    GameDir dir;
    ModalAnswerer menu{ ModalAnswerer::click(QStringLiteral("Испытать стандартный режим")) };
};

// Summons both ponies ("plain" first) through their buttons.
class TestWindow : private GameFiles, public MainWindow
{
public:
    explicit TestWindow(const QString& actions = QString()) : GameFiles(actions)
    {
        menu.disarm();
        std::srand(1);
        for (QMyButton* button : qAsConst(ponyButtons))
            QTest::mousePress(button, Qt::LeftButton);
    }
    using MainWindow::world;
    using MainWindow::monsterCatalogue;
    using MainWindow::actionButtons;
    Pony* pony(int i) const { return world->ponies()->at(i); }
    void tick(int n = 1) { while (n-- > 0) QMetaObject::invokeMethod(this, "slotUpdateGame", Qt::DirectConnection); }
};

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void clicksOnPoniesSelectOrDescribe_data()
    {
        // "p+" a left and "p-" a right click on pony "plain", "s" for "small".
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("dialogs");
        QTest::newRow("a left click selects the pony") << "p+" << "plain" << QStringList();
        QTest::newRow("a second left click keeps it selected") << "p+ p+" << "plain" << QStringList();
        QTest::newRow("a left click on another pony moves the selection") << "p+ s+" << "small" << QStringList();
        QTest::newRow("a right click keeps the selection and names the pony") << "p+ s-" << "plain" << QStringList{ "Крошка" };
        QTest::newRow("a right click selects nothing") << "p-" << "" << QStringList{ "Простушка" };
    }
    void clicksOnPoniesSelectOrDescribe()
    {
        QFETCH(QString, clicks);
        TestWindow w;
        QStringList dialogs;
        ModalAnswerer answerer([&dialogs](QWidget* dialog) {
            dialogs << dialog->findChild<QLabel*>(QStringLiteral("labTitle"))->text();
            ModalAnswerer::reject()(dialog);
        });
        for (const QString& click : clicks.split(QLatin1Char(' ')))
            QTest::mousePress(w.pony(click.at(0) == QLatin1Char('s')), click.at(1) == QLatin1Char('+') ? Qt::LeftButton : Qt::RightButton);
        QTEST(w.world->selectedPony() ? w.world->selectedPony()->code : QString(), "selected");
        QTEST(dialogs, "dialogs");
    }

    void clicksSendOnlyTheSelectedPony_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("moves");
        QTest::newRow("a field click at (300, 200) brings the corner to (280, 180)") << "field" << true << true << true;
        QTest::newRow("a cell click centres the pony on the cell") << "cell" << true << true << true;
        QTest::newRow("a monster click sends the pony to where the monster was") << "monster" << true << true << true;
        QTest::newRow("a right click on the field does nothing") << "field" << false << true << false;
        QTest::newRow("a right click on a cell does nothing") << "cell" << false << true << false;
        QTest::newRow("a right click on a monster only describes it") << "monster" << false << true << false;
        QTest::newRow("a field click without a selected pony does nothing") << "field" << true << false << false;
        QTest::newRow("a cell click without a selected pony does nothing") << "cell" << true << false << false;
        QTest::newRow("a monster click without a selected pony does nothing") << "monster" << true << false << false;
    }
    void clicksSendOnlyTheSelectedPony()
    {
        QFETCH(QString, target);
        QFETCH(bool, left);
        QFETCH(bool, selected);
        TestWindow w;
        Monster* monster = w.monsterCatalogue->createMonster(QStringLiteral("weak"), 150, 600);
        w.world->monsters()->append(monster);
        w.tick(5); // the monster is on its way to a building
        if (selected)
            QTest::mousePress(w.pony(0), Qt::LeftButton);
        const QPoint start = w.pony(0)->pos();
        const Qt::MouseButton button = left ? Qt::LeftButton : Qt::RightButton;
        ModalAnswerer answerer(ModalAnswerer::reject());
        QWidget* clicked = &w;
        QPoint centre(300, 200);
        if (target == QLatin1String("cell")) {
            QClickLabel* cell = w.world->buildings()->at(1)->cellList()->at(1);
            clicked = cell;
            centre = QPoint(cell->centerX(), cell->centerY());
        } else if (target == QLatin1String("monster")) {
            clicked = monster;
            centre = QPoint(monster->centerX(), monster->centerY());
        }
        QTest::mousePress(clicked, button, {}, clicked == &w ? centre : QPoint());
        w.tick(80);
        QFETCH(bool, moves);
        QCOMPARE(w.pony(0)->pos(), moves ? centre - QPoint(20, 20) : start);
    }

    void actionsPayAndTakeEffect_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("presses");
        QTest::addColumn<float>("ponyHealth"); // of the pony with 30 maximum; the buildings stand at 100 of 500
        QTest::addColumn<QString>("magicFoodPonyBuildings");
        const QString incfood = QStringLiteral("[incfood]\nNeedMagic=100\nValue=20\n");
        const QString cure = QStringLiteral("[cure]\nNeedMagic=10\nValue=50\n");
        QTest::newRow("incfood pays 100 magic for 20 food") << incfood << 1 << 10.f << "150 120 10 100 100 100";
        QTest::newRow("two presses before the next tick both pay") << incfood << 2 << 10.f << "50 140 10 100 100 100";
        QTest::newRow("an action beyond the magic does nothing") << "[incfood]\nNeedMagic=251\nValue=20\n" << 1 << 10.f << "250 100 10 100 100 100";
        QTest::newRow("cure 50 lifts 10 of 30 to 25") << cure << 1 << 10.f << "240 100 25 100 100 100";
        QTest::newRow("cure 50 lifts 20 of 30 only to 30") << cure << 1 << 20.f << "240 100 30 100 100 100";
        QTest::newRow("a cure of 2000000000 % just fills the pony") << "[cure]\nNeedMagic=10\nValue=2000000000\n" << 1 << 10.f << "240 100 30 100 100 100";
        QTest::newRow("repair 10 raises every building by 50") << "[repair]\nNeedMagic=10\nValue=10\n" << 1 << 10.f << "240 100 10 150 150 150";
        QTest::newRow("repair stops at the maximum") << "[repair]\nNeedMagic=10\nValue=90\n" << 1 << 10.f << "240 100 10 500 500 500";
    }
    void actionsPayAndTakeEffect()
    {
        QFETCH(QString, action);
        QFETCH(int, presses);
        QFETCH(float, ponyHealth);
        TestWindow w(action);
        w.pony(1)->health = ponyHealth;
        for (Building* building : qAsConst(*w.world->buildings()))
            building->health = 100;
        w.world->magic = 250;
        while (presses-- > 0)
            QTest::mousePress(w.actionButtons.first(), Qt::LeftButton);
        QStringList after = { QString::number(w.world->magic), QString::number(w.world->food), QString::number(w.pony(1)->health) };
        for (const Building* building : qAsConst(*w.world->buildings()))
            after << QString::number(building->health);
        QTEST(after.join(QLatin1Char(' ')), "magicFoodPonyBuildings");
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
