#include "building.h"
#include "gamedir.h"
#include "gameworld.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "monster.h"
#include "monstercatalogue.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "qclicklabel.h"
#include "qmybutton.h"

#include <QtTest>

#include <memory>

static const QString kUnselected = QStringLiteral("border: 1px solid rgb(40,100,40); border-radius: 5px");
static const QString kRedBar = QStringLiteral("background-color: rgb(150,0,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
static const QString kGreenBar = QStringLiteral("background-color: rgb(0,150,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
static const QStringList kPonies = {"clover", "crafter", "fastheal", "fastmagic", "flint", "summonstrike"};
static const QStringList kActions = {"cure", "incfood", "incstone", "repair"};

// A building of the kind with a pony (the first one `offset` px right of its cell centre, a
// second one in the second cell when `ponies` is 2), the world's stone and the building's health.
struct Work { int kind; const char* bonus; int offset; int ponies; float stone; float health; };
Q_DECLARE_METATYPE(Work)

// Stands in for the game window: takes the clicks of cells and monsters.
class Field : public QWidget
{
    Q_OBJECT
public slots:
    void building_cell_clicked(QClickLabel* sender, bool) { clicked = sender; }
    void monster_clicked(QMyLabel* sender, bool) { clicked = sender; }
public:
    QObject* clicked = nullptr;
};

class TestWindow : public MainWindow
{
public:
    using MainWindow::world;
    using MainWindow::ponyButtons;
    using MainWindow::actionButtons;
};

class TestUnits : public QObject
{
    Q_OBJECT
    std::unique_ptr<GameDir> dir;
    std::unique_ptr<TestWindow> window;
    std::unique_ptr<Field> field;
    std::unique_ptr<GameWorld> world;

    Pony* ponyAt(QPoint centre, const QString& code, const QString& bonus = QString())
    {
        Pony* pony = new Pony(field.get());
        pony->setGeometry(centre.x() - 20, centre.y() - 20, 40, 40);
        pony->code = code;
        pony->bonus = bonus;
        pony->maxHealth = 100;
        pony->health = 50;
        world->addPony(pony);
        return pony;
    }

private slots:
    // Kinds and actions are written in reverse: the columns must sort them by code.
    void initTestCase()
    {
        dir.reset(new GameDir);
        dir->writePicture(QStringLiteral("building_farmfood.png"), 101, 81);
        dir->writePicture(QStringLiteral("building_farmstone.png"), 60, 50);
        dir->writePicture(QStringLiteral("building_hospital.png"), 90, 71);
        QString ponies, actions;
        for (const QString& code : kPonies)
            ponies.prepend(QStringLiteral("[%1]\nName=Пони %1\nNeedMagic=50\nMaxHealth=100\nBonus=farmfood\n").arg(code));
        for (const QString& code : kActions)
            actions.prepend(QStringLiteral("[%1]\nName=Действие %1\nNeedMagic=10\n").arg(code));
        dir->writeIni(QStringLiteral("pony.ini"), ponies);
        dir->writeIni(QStringLiteral("action.ini"), actions);
        dir->writeIni(QStringLiteral("monster.ini"), QStringLiteral("[apple]\nName=Яблоко\nDescr=Злое.\nMaxHealth=60\nSpeed=3\nAttack=5\n"));
        ModalAnswerer menu(ModalAnswerer::reject());
        window.reset(new TestWindow);
    }
    void init()
    {
        field.reset(new Field);
        world.reset(new GameWorld(nullptr));
    }

    void windowBuildsThreeBuildingsWithCellsAndBars_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<QRect>("bar");
        QTest::newRow("farm's second cell steps from its first") << 0 << QPoint(275, 315) << QPoint(325, 315) << QRect(250, 260, 101, 81) << QRect(250, 339, 101, 5);
        QTest::newRow("mine's cells lie above and below") << 1 << QPoint(500, 375) << QPoint(500, 425) << QRect(470, 375, 60, 50) << QRect(470, 424, 60, 5);
        QTest::newRow("hospital's cells lie left and right") << 2 << QPoint(570, 220) << QPoint(630, 190) << QRect(555, 165, 90, 71) << QRect(555, 234, 90, 5);
    }
    void windowBuildsThreeBuildingsWithCellsAndBars()
    {
        QFETCH(int, index);
        QFETCH(QRect, picture);
        const Building* building = window->world->buildings()->at(index);
        QTEST(QPoint(building->cellList()->at(0)->centerX(), building->cellList()->at(0)->centerY()), "first");
        QTEST(QPoint(building->cellList()->at(1)->centerX(), building->cellList()->at(1)->centerY()), "second");
        QTEST(building->healthBarLabel()->geometry(), "bar");
        const QList<QLabel*> labels = window->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [picture](const QLabel* label) {
            return label->geometry() == picture && label->pixmap(Qt::ReturnByValue).size() == picture.size(); }));
    }

    void poniesInCellsWorkHealAndRepair_data()
    {
        QTest::addColumn<Work>("work");
        QTest::addColumn<QString>("after");
        QTest::newRow("farm yields 0.5 food per pony") << Work{0, "", 0, 1, 0, 500} << "food 0.50 stone 0.00 building 500.00 pony 50.00";
        QTest::newRow("farmfood pony yields 0.75 food") << Work{0, "farmfood", 0, 1, 0, 500} << "food 0.75 stone 0.00 building 500.00 pony 50.00";
        QTest::newRow("pony 2 px off the cell centre works") << Work{0, "", 2, 1, 0, 500} << "food 0.50 stone 0.00 building 500.00 pony 50.00";
        QTest::newRow("pony 3 px off the cell centre does nothing") << Work{0, "", 3, 1, 0, 500} << "food 0.00 stone 0.00 building 500.00 pony 50.00";
        QTest::newRow("mine yields 0.3 stone") << Work{1, "", 0, 1, 0, 500} << "food 0.00 stone 0.30 building 500.00 pony 50.00";
        QTest::newRow("farmstone pony yields 0.45 stone") << Work{1, "farmstone", 0, 1, 0, 500} << "food 0.00 stone 0.45 building 500.00 pony 50.00";
        QTest::newRow("hospital heals its pony 0.5") << Work{2, "", 0, 1, 0, 500} << "food 0.00 stone 0.00 building 500.00 pony 50.50";
        QTest::newRow("0.9 stone repairs nothing") << Work{2, "", 0, 1, 0.9f, 400} << "food 0.00 stone 0.90 building 400.00 pony 50.50";
        QTest::newRow("1.0 stone repairs 0.5 for 0.2 stone") << Work{2, "", 0, 1, 1, 400} << "food 0.00 stone 0.80 building 400.50 pony 50.50";
        QTest::newRow("fastrepair pony repairs 0.75") << Work{2, "fastrepair", 0, 1, 1, 400} << "food 0.00 stone 0.80 building 400.75 pony 50.50";
        QTest::newRow("two working ponies repair and pay twice") << Work{0, "", 0, 2, 5, 400} << "food 1.00 stone 4.60 building 401.00 pony 50.00";
        QTest::newRow("repair stops at the maximum") << Work{0, "", 0, 1, 5, 499.8f} << "food 0.50 stone 4.80 building 500.00 pony 50.00";
        QTest::newRow("building at full health spends no stone") << Work{0, "", 0, 1, 5, 500} << "food 0.50 stone 5.00 building 500.00 pony 50.00";
    }
    void poniesInCellsWorkHealAndRepair()
    {
        QFETCH(Work, work);
        Building building(field.get(), world.get(), 500, work.kind, 300, 300, {QPoint(-25, 15), QPoint(50, 0)}, QPixmap(100, 80), QStringLiteral("Ферма"));
        const Pony* first = ponyAt(QPoint(275 + work.offset, 315), QStringLiteral("a"), work.bonus);
        if (work.ponies == 2)
            ponyAt(QPoint(325, 315), QStringLiteral("b"), work.bonus);
        world->food = 0;
        world->stone = work.stone;
        building.health = work.health;
        building.step(0.1f);
        QTEST(QString::asprintf("food %.2f stone %.2f building %.2f pony %.2f", world->food, world->stone, building.health, first->health), "after");
    }

    // Buildings work before monsters hit, so a hit lands after the building's part of its step.
    void buildingBarIsRedInTheHitStepAndTheNext()
    {
        Building building(field.get(), world.get(), 500, Building::Farm, 300, 300, {QPoint(-25, 15)}, QPixmap(100, 80), QStringLiteral("Ферма"));
        const QLabel* bar = building.healthBarLabel();
        QStringList looks(bar->styleSheet());
        for (int step = 1; step <= 4; ++step) {
            building.step(0.1f);
            if (step == 2)
                building.damage(250);
            looks << bar->styleSheet();
        }
        QCOMPARE(looks, QStringList({kRedBar, kGreenBar, kRedBar, kRedBar, kGreenBar}));
        QCOMPARE(bar->width(), 50);
        QTest::mouseClick(building.cellList()->at(0), Qt::LeftButton);
        QCOMPARE(field->clicked, building.cellList()->at(0));
    }

    void summonedPonyIsPaidAndPlacedInTheMiddle_data()
    {
        QTest::addColumn<QSize>("parent");
        QTest::addColumn<float>("magic");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<float>("magicAfter");
        QTest::newRow("in the 1024x768 window at (462, 274)") << QSize(1024, 768) << 250.f << QPoint(462, 274) << 200.f;
        QTest::newRow("in an 800x600 window at (350, 190), paying down to 0") << QSize(800, 600) << 30.f << QPoint(350, 190) << 0.f;
    }
    void summonedPonyIsPaidAndPlacedInTheMiddle()
    {
        QFETCH(QSize, parent);
        QFETCH(float, magic);
        QFETCH(QPoint, place);
        field->resize(parent);
        world->magic = magic;
        PonyCatalogue catalogue(field.get(), world.get());
        QVERIFY(!catalogue.createPony(QStringLiteral("unknown")));
        const Pony* pony = catalogue.createPony(QStringLiteral("clover"));
        QVERIFY(pony);
        QTEST(world->magic, "magicAfter");
        QCOMPARE(pony->geometry(), QRect(place, QSize(40, 40)));
        QCOMPARE(pony->healthBarLabel()->geometry(), QRect(place + QPoint(0, 39), QSize(40, 5)));
        QCOMPARE(pony->styleSheet(), kUnselected);
        QCOMPARE(pony->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(pony->bonus, QStringLiteral("farmfood"));
        QCOMPARE(pony->statusText(), QStringLiteral("Пони clover: здоровье 100/100"));
    }

    void selectionKeepsExactlyOnePonySelected()
    {
        Pony* a = ponyAt(QPoint(100, 100), QStringLiteral("a"));
        Pony* b = ponyAt(QPoint(200, 100), QStringLiteral("b"));
        b->toggleSelected();
        b->toggleSelected();
        QCOMPARE(b->styleSheet(), kUnselected);
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!world->selectedPony());
        world->selectPony(a);
        world->selectPony(a);
        QCOMPARE(world->selectedPony(), a);
        QCOMPARE(a->cursor().shape(), Qt::ArrowCursor);
        world->selectPony(b);
        QCOMPARE(world->selectedPony(), b);
        QCOMPARE(a->styleSheet(), kUnselected);
        a->name = QStringLiteral("Имя");
        a->health = 99.9f;
        QCOMPARE(a->statusText(), QStringLiteral("Имя: здоровье 99/100"));
    }

    void monsterIsCentredFramedAndDescribed()
    {
        MonsterCatalogue catalogue(field.get(), world.get(), false);
        QVERIFY(!catalogue.createMonster(QStringLiteral("pear"), 100, 200));
        QVERIFY(field->children().isEmpty());
        Monster* monster = catalogue.createMonster(QStringLiteral("apple"), 100, 200);
        QVERIFY(monster);
        QCOMPARE(monster->geometry(), QRect(80, 180, 40, 40));
        QCOMPARE(monster->styleSheet(), QStringLiteral("border: 1px solid rgb(200,40,40); border-radius: 5px"));
        QTest::mouseClick(monster, Qt::LeftButton);
        QCOMPARE(field->clicked, monster);
        QCOMPARE(catalogue.infoText(QStringLiteral("apple")), QStringLiteral("Максимальное здоровье: 60\nСкорость: 3\nАтака: 5\n\nЗлое."));
    }

    void columnsStackOneButtonPerKindInCodeOrder()
    {
        const auto checkColumn = [](const QList<QMyButton*>& buttons, int x, const QStringList& codes, const QString& tip, const char* property) {
            QCOMPARE(buttons.size(), codes.size());
            for (int n = 0; n < codes.size(); ++n) {
                QCOMPARE(buttons.at(n)->geometry(), QRect(x, 50 + 45 * n, 40, 40));
                QCOMPARE(buttons.at(n)->toolTip(), tip + codes.at(n));
                QCOMPARE(buttons.at(n)->property(property).toString(), codes.at(n));
            }
        };
        checkColumn(window->ponyButtons, 970, kPonies, QStringLiteral("Призыв Пони "), "ponycode");
        checkColumn(window->actionButtons, 10, kActions, QStringLiteral("Действие "), "actioncode");
    }

    // A quick double click on a summon button, before the next tick hides it, summons once.
    void doubleClickedSummonPaysAndStrikesOnce()
    {
        ModalAnswerer menu(ModalAnswerer::reject());
        TestWindow game;
        for (int maxHealth : {101, 50}) {
            Monster* monster = new Monster(&game);
            monster->maxHealth = maxHealth;
            monster->health = maxHealth;
            game.world->monsters()->append(monster);
        }
        QMyButton* summonStrike = game.ponyButtons.at(kPonies.indexOf(QStringLiteral("summonstrike")));
        QTest::mouseClick(summonStrike, Qt::LeftButton);
        QTest::mouseClick(summonStrike, Qt::LeftButton);
        QCOMPARE(game.world->gameTime, 0.f);
        QCOMPARE(game.world->ponies()->size(), 1);
        QCOMPARE(game.findChildren<Pony*>().size(), 1);
        QCOMPARE(game.world->magic, 200.f);
        QCOMPARE(game.world->monsters()->at(0)->health, 51.f);
        QCOMPARE(game.world->monsters()->at(1)->health, 25.f);
    }
};

QTEST_MAIN(TestUnits)
#include "tst_units.moc"
