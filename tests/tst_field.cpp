#include "barfan.h"
#include "crowdspread.h"
#include "building.h"
#include "gameworld.h"
#include "healthbar.h"
#include "monster.h"
#include "pony.h"
#include "qmybutton.h"
#include "testwindow.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

namespace {
const QString kAction = QStringLiteral("[cure]\nName=Исцеление\nNeedMagic=10\nValue=50\n");
// Where a summoned 40 px pony's centre stands in the 1024 x 768 field.
const QPoint kSummonCentre(482, 294);

// The widget the field paints last at a point: a parent paints its children in their order.
const QWidget* paintedOnTop(const QWidget& field, const QPoint& point)
{
    const QObjectList& children = field.children();
    for (int i = children.size() - 1; i >= 0; --i) {
        const auto* widget = qobject_cast<const QWidget*>(children.at(i));
        if (widget && !widget->isWindow() && widget->isVisibleTo(&field) && widget->geometry().contains(point))
            return widget;
    }
    return nullptr;
}

QList<QPoint> onOnePoint(int bars)
{
    return QList<QPoint>::fromVector(QVector<QPoint>(bars, QPoint(0, 0)));
}

// Pixels of two pictures of one size that differ by more than the two levels by which the frame's
// antialiased corners may differ when it is drawn from a copy.
int pixelsApart(const QImage& a, const QImage& b)
{
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (qAbs(p.red() - q.red()) > 2 || qAbs(p.green() - q.green()) > 2 || qAbs(p.blue() - q.blue()) > 2)
                ++apart;
        }
    }
    return apart;
}

enum UnitKind { StandingPony, WalkingPony, Fruit };

QPoint centreOf(const QWidget* widget)
{
    return widget->geometry().center();
}

// The units of the world, ponies first, each in the order it came.
QList<QMyLabel*> unitsOf(const GameWorld& world)
{
    QList<QMyLabel*> units;
    for (Pony* pony : world.ponies())
        units << pony;
    for (Monster* monster : world.monsters())
        units << monster;
    return units;
}

// A real click of the mouse on the shown window; the title of the description it opened, if any.
QString clickOnShownWindow(TestWindow& w, Qt::MouseButton button, const QPoint& point)
{
    QString dialog;
    ModalAnswerer answerer([&dialog](QDialog* box) {
        dialog = box->findChild<QLabel*>(QStringLiteral("labTitle"))->text();
        box->reject();
    });
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return QStringLiteral("the window was never shown");
    QTest::mouseClick(w.windowHandle(), button, {}, point);
    return dialog;
}
}

// How the field's widgets lie on each other: every unit and its bar in sight in a crowd, the
// labels and buttons above every unit, and a bar that reads as a fraction of its full length.
class TestField : public QObject
{
    Q_OBJECT
private slots:
    // Ponies summoned in turn (all on the summon point), the one selected, then fruits on the point.
    void crowdShowsEveryBarAndAClickSelectsAPony_data()
    {
        QTest::addColumn<QStringList>("ponies");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("fruits");
        QTest::addColumn<QString>("clicked"); // the pony a left click on the point selects
        const QStringList three = { "plain", "small", "healer" };
        QTest::newRow("three ponies summoned in a row and a fruit on their point") << three << QString() << 1 << "healer";
        QTest::newRow("the selected pony lies above the later ones") << three << "plain" << 0 << "plain";
        QTest::newRow("a pony on a fruit's centre") << QStringList{ "plain" } << QString() << 1 << "plain";
        QTest::newRow("of eight units on one point those past the spread stay on the fruit, and the uppermost is selected")
            << QStringList{ "plain", "small", "healer", "fastheal", "fastmagic", "strong" } << QString() << 2 << "strong";
    }
    void crowdShowsEveryBarAndAClickSelectsAPony()
    {
        QFETCH(QStringList, ponies);
        QFETCH(QString, selected);
        QFETCH(int, fruits);
        TestWindow w(TestWindow::smallGame());
        w.world->setMagic(1000);
        for (const QString& code : ponies) {
            Pony* pony = w.summon(code);
            QVERIFY(pony);
            if (code == selected)
                w.world->selectPony(pony);
        }
        for (int i = 0; i < fruits; ++i)
            QVERIFY(w.addMonster("apple", kSummonCentre.x(), kSummonCentre.y()));
        w.tick();

        for (const QMyLabel* unit : unitsOf(*w.world)) {
            QCOMPARE(unit->pos(), kSummonCentre - QPoint(20, 20)); // the crowd stands on one point
            const QPoint barCentre = centreOf(unit->healthBarLabel());
            QCOMPARE(paintedOnTop(w, barCentre), unit->healthBarLabel());
            // A bar takes the presses for its unit.
            QCOMPARE(w.childAt(barCentre), unit->healthBarLabel());
        }
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, kSummonCentre);
        QVERIFY(w.world->selectedPony());
        QTEST(w.world->selectedPony()->code, "clicked");
        for (const QMyLabel* unit : unitsOf(*w.world))
            QVERIFY(!unit->isMoving()); // the click sent nobody
    }

    void labelsAndButtonsLieAboveFruits_data()
    {
        QTest::addColumn<int>("line"); // in textLines(), or -1 for the first action button
        QTest::newRow("a fruit on the magic label") << 0;
        QTest::newRow("a fruit on the food label") << 1;
        QTest::newRow("a fruit on the stone label") << 2;
        QTest::newRow("a fruit on the status line") << 3;
        QTest::newRow("a fruit on an action button") << -1;
        QTest::newRow("a fruit on a summon button") << -2;
    }
    void labelsAndButtonsLieAboveFruits()
    {
        QFETCH(int, line);
        TestWindow w(TestWindow::smallGame(QStringLiteral("9999,apple,1"), kAction));
        w.world->selectPony(w.summon("plain")); // the status line shows the selected pony
        w.tick();
        const QList<const QWidget*> furniture = { w.magicLabel, w.foodLabel, w.stoneLabel, w.infoLabel,
                                                  w.actionButtons.value(0), w.summonButton("small") };
        const QWidget* shown = furniture.at(line >= 0 ? line : 3 - line);
        QVERIFY(shown && shown->isVisibleTo(&w));
        const Monster* fruit = w.addMonster("apple", centreOf(shown).x(), centreOf(shown).y());
        QVERIFY(fruit);
        QCOMPARE(w.childAt(centreOf(shown)), shown);
        QCOMPARE(paintedOnTop(w, centreOf(shown)), shown);
    }

    // A 40 px unit whose bar nobody else's covers keeps the bar of the design.
    void unitAloneKeepsItsDesignedBar_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QPoint>("neighbour"); // the centre of a fruit beside it, if any
        QTest::newRow("a pony alone") << "plain" << QPoint();
        QTest::newRow("a fruit alone") << "apple" << QPoint();
        QTest::newRow("a pony whose bar's end touches a fruit's bar") << "plain" << kSummonCentre + QPoint(40, 0);
        QTest::newRow("a pony with a fruit half a picture below is no crowd") << "plain" << kSummonCentre + QPoint(0, 20);
    }
    void unitAloneKeepsItsDesignedBar()
    {
        QFETCH(QString, code);
        QFETCH(QPoint, neighbour);
        TestWindow w(TestWindow::smallGame());
        QMyLabel* unit = code == "apple" ? static_cast<QMyLabel*>(w.addMonster(code, kSummonCentre.x(), kSummonCentre.y()))
                                         : w.summon(code);
        QVERIFY(unit);
        if (!neighbour.isNull())
            QVERIFY(w.addMonster("weak", neighbour.x(), neighbour.y()));
        w.tick();
        QCOMPARE(unit->healthBarLabel()->geometry(), QRect(unit->x(), unit->y() + 39, 40, 5));
    }

    void barShowsItsEmptyPartOnAFullLengthTrack_data()
    {
        QTest::addColumn<float>("health"); // of 100
        QTest::addColumn<bool>("lifted");  // a fruit that came first, half beside her, takes the place; the pony's bar goes a step up
        QTest::addColumn<int>("barWidth");
        QTest::addColumn<bool>("trackShown");
        QTest::newRow("a full bar covers its track") << 100.0f << false << 40 << false;
        QTest::newRow("a bar at half health shows the empty half") << 50.0f << false << 20 << true;
        QTest::newRow("an empty bar shows the whole track") << 0.0f << false << 0 << true;
        QTest::newRow("a lifted bar takes its track along") << 50.0f << true << 20 << true;
    }
    void barShowsItsEmptyPartOnAFullLengthTrack()
    {
        QFETCH(float, health);
        QFETCH(bool, lifted);
        TestWindow w(TestWindow::smallGame());
        if (lifted)
            QVERIFY(w.addMonster("weak", kSummonCentre.x() + 20, kSummonCentre.y()));
        Pony* pony = w.summon("plain");
        w.tick(); // settled while full, so that the track appears where the bar has gone since
        pony->health = health;
        w.tick();
        const QLabel* bar = pony->healthBarLabel();
        const QLabel* track = pony->healthBarTrack();
        QTEST(bar->width(), "barWidth");
        QTEST(track->isVisibleTo(&w), "trackShown");
        QCOMPARE(bar->y(), pony->y() + 39 - (lifted ? HealthBar::kHeight : 0));
        if (!track->isVisibleTo(&w))
            return;
        QCOMPARE(track->geometry(), QRect(bar->pos(), QSize(40, 5)));
        QCOMPARE(track->styleSheet(), HealthBar::trackStyle());
        // Right beneath its own bar, with nothing shown between them, above the pony's picture.
        const int trackAt = w.children().indexOf(const_cast<QLabel*>(track));
        const int barAt = w.children().indexOf(const_cast<QLabel*>(bar));
        QVERIFY(trackAt < barAt);
        for (int between = trackAt + 1; between < barAt; ++between)
            QVERIFY(!static_cast<QWidget*>(w.children().at(between))->isVisibleTo(&w));
        QCOMPARE(paintedOnTop(w, track->geometry().topRight() + QPoint(-2, 2)), track);
    }

    // Bars 40 x 5 placed in turn; the lifts each one gets, in steps of 5 px.
    void fanLiftsEachBarClearOfThoseBefore_data()
    {
        QTest::addColumn<QList<QPoint>>("bars"); // top-left corners
        QTest::addColumn<QRect>("fixed");        // a building's bar, if any
        QTest::addColumn<QList<int>>("lifts");
        using P = QList<QPoint>;
        using L = QList<int>;
        QTest::newRow("a bar alone keeps its place") << P{ { 0, 0 } } << QRect() << L{ 0 };
        QTest::newRow("a bar on another goes one step up") << P{ { 0, 0 }, { 0, 0 } } << QRect() << L{ 0, 1 };
        QTest::newRow("a bar on another's corner pixel goes above it") << P{ { 0, 0 }, { 39, 4 } } << QRect() << L{ 0, 2 };
        QTest::newRow("bars end to end keep their places") << P{ { 0, 0 }, { 40, 0 } } << QRect() << L{ 0, 0 };
        QTest::newRow("bars a bar's height apart keep their places") << P{ { 0, 0 }, { 0, 5 } } << QRect() << L{ 0, 0 };
        QTest::newRow("a bar skips a step another took") << P{ { 0, 0 }, { 0, -5 }, { 0, 0 } } << QRect() << L{ 0, 0, 2 };
        QTest::newRow("eight bars on one point take eight steps")
            << onOnePoint(8) << QRect() << L{ 0, 1, 2, 3, 4, 5, 6, 7 };
        QTest::newRow("a ninth bar finds no step free and keeps its place")
            << onOnePoint(9) << QRect() << L{ 0, 1, 2, 3, 4, 5, 6, 7, 0 };
        QTest::newRow("a bar on a building's bar goes above it") << P{ { 20, 100 } } << QRect(0, 100, 170, 5) << L{ 1 };
        QTest::newRow("a bar far off the field is placed too") << P{ { -5000, 90000 }, { -5000, 90000 } } << QRect() << L{ 0, 1 };
    }
    void fanLiftsEachBarClearOfThoseBefore()
    {
        QFETCH(QList<QPoint>, bars);
        QFETCH(QRect, fixed);
        BarFan fan;
        fan.clear();
        fan.block(fixed);
        QList<int> lifts;
        for (const QPoint& corner : bars)
            lifts << fan.liftFor(QRect(corner, QSize(40, 5)), 5);
        QTEST(lifts, "lifts");
    }

    // Pony "plain" stands at (700, 500); pony "small" stands at (300, 400), over a harmless fruit
    // or alone; then a click at (300, 400).
    void commandsGoThroughACrowd_data()
    {
        QTest::addColumn<bool>("fruitUnderSmall");
        QTest::addColumn<bool>("plainSelected");
        QTest::addColumn<bool>("left");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("plainSent");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("with a pony selected, a left click on a fruit under another pony sends her at the fruit")
            << true << true << true << "plain" << true << "";
        QTest::newRow("with a pony selected, a left click on a pony alone selects her") << false << true << true << "small" << false << "";
        QTest::newRow("with no pony selected, a left click on a pony over a fruit selects her")
            << true << false << true << "small" << false << "";
        QTest::newRow("a right click on a fruit a pony fights describes the fruit") << true << true << false << "plain" << false << "Кислица";
    }
    void commandsGoThroughACrowd()
    {
        QFETCH(bool, fruitUnderSmall);
        QFETCH(bool, plainSelected);
        QFETCH(bool, left);
        const QPoint point(300, 400);
        TestWindow w(TestWindow::smallGame());
        QMyLabel* plain = w.place("plain", 700, 500);
        const QPoint plainStart = plain->pos();
        if (fruitUnderSmall)
            QVERIFY(w.addMonster("weak", point.x(), point.y()));
        QVERIFY(w.place("small", point.x(), point.y()));
        if (plainSelected)
            w.world->selectPony(static_cast<Pony*>(plain));
        w.tick();
        const QString dialog = clickOnShownWindow(w, left ? Qt::LeftButton : Qt::RightButton, point);
        for (int i = 0; i < 100 && plain->isMoving(); ++i)
            w.tick();

        QVERIFY(w.world->selectedPony());
        QTEST(w.world->selectedPony()->code, "selected");
        QTEST(dialog, "dialog");
        QFETCH(bool, plainSent);
        QCOMPARE(plain->pos(), plainSent ? point - QPoint(20, 20) : plainStart);
    }

    // Two ponies and two fruits summoned on one point; a click on the middle of one's bar.
    void everyMemberOfACrowdIsReachedByItsBar_data()
    {
        QTest::addColumn<int>("member"); // ponies first, then fruits, each in the order it came
        QTest::addColumn<bool>("left");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("the lower pony's bar selects her") << 0 << true << "plain" << "";
        QTest::newRow("the upper pony's bar selects her") << 1 << true << "small" << "";
        QTest::newRow("a pony's bar describes her") << 0 << false << "" << "Простушка";
        QTest::newRow("the first fruit's bar describes it") << 2 << false << "" << "Яблочко";
        QTest::newRow("the second fruit's bar describes it") << 3 << false << "" << "Кислица";
    }
    void everyMemberOfACrowdIsReachedByItsBar()
    {
        QFETCH(int, member);
        QFETCH(bool, left);
        TestWindow w(TestWindow::smallGame());
        QVERIFY(w.summon("plain") && w.summon("small"));
        QVERIFY(w.addMonster("apple", kSummonCentre.x(), kSummonCentre.y()));
        QVERIFY(w.addMonster("weak", kSummonCentre.x(), kSummonCentre.y()));
        w.tick();
        const QList<QMyLabel*> units = unitsOf(*w.world);
        for (const QMyLabel* unit : units) {
            // A violet mark at the left end tells a pony's bar from a fruit's.
            const QWidget* left = w.childAt(unit->healthBarLabel()->pos() + QPoint(-3, 2));
            QCOMPARE(left && left->objectName() == HealthBar::kSideMarkName, qobject_cast<const Pony*>(unit) != nullptr);
        }
        const QString dialog = clickOnShownWindow(w, left ? Qt::LeftButton : Qt::RightButton,
                                                  centreOf(units.at(member)->healthBarLabel()));
        QTEST(w.world->selectedPony() ? w.world->selectedPony()->code : QString(), "selected");
        QTEST(dialog, "dialog");
    }

    // The selected pony "plain" stands where she was summoned; the action "cure" is cooling down,
    // so its button is hidden; the summon button of "strong" is greyed for want of magic.
    void pressesInAButtonColumnNeverSendAPony_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<bool>("fruitThere");
        QTest::newRow("a press on a hidden action button's place") << QPoint(30, 70) << false;
        QTest::newRow("a press on a hidden action button's place over a fruit") << QPoint(30, 70) << true;
        QTest::newRow("a press between two action buttons") << QPoint(30, 92) << false;
        QTest::newRow("a press on a summoned pony's hidden button") << QPoint(990, 70) << false;
        QTest::newRow("a press between two summon buttons") << QPoint(990, 137) << false;
        QTest::newRow("a press on a greyed summon button") << QPoint(990, 160) << false;
    }
    void pressesInAButtonColumnNeverSendAPony()
    {
        QFETCH(QPoint, press);
        QFETCH(bool, fruitThere);
        TestWindow w(TestWindow::smallGame(QStringLiteral("9999,apple,1"),
                                           kAction + QStringLiteral("[incfood]\nNeedMagic=10\nValue=5\n")));
        Pony* plain = w.summon("plain");
        QVERIFY(plain);
        w.world->selectPony(plain);
        w.world->setMagic(50);
        QTest::mousePress(w.actionButtons.at(0), Qt::LeftButton);
        if (fruitThere)
            QVERIFY(w.addMonster("weak", press.x(), press.y()));
        w.tick();
        QVERIFY(w.actionButtons.at(0)->isHidden());
        QVERIFY(!w.summonButton("strong")->isEnabled());
        QCOMPARE(clickOnShownWindow(w, Qt::LeftButton, press), QString());
        QVERIFY(!plain->isMoving());
        QCOMPARE(plain->pos(), kSummonCentre - QPoint(20, 20));
    }

    // Long bars lie in the ground: a unit's picture at a building's lower edge covers its bar,
    // while the unit's own bar stays above every picture.
    void unitsLieAboveTheBuildingsBars_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("a pony at the farm's lower edge") << "plain";
        QTest::newRow("a fruit at the farm's lower edge") << "apple";
    }
    void unitsLieAboveTheBuildingsBars()
    {
        QFETCH(QString, code);
        TestWindow w(TestWindow::smallGame());
        const QLabel* farmBar = w.world->buildings().first()->healthBarLabel();
        const QPoint onBar(farmBar->geometry().center().x(), farmBar->y() + 2);
        QMyLabel* unit = w.place(code, onBar.x(), onBar.y());
        QVERIFY(unit);
        w.tick();
        QCOMPARE(paintedOnTop(w, onBar), unit);
        QCOMPARE(paintedOnTop(w, centreOf(unit->healthBarLabel())), unit->healthBarLabel());
    }

    // Units placed in turn, each with its centre; how many steps (a picture's width and a gap) its
    // picture is drawn sideways.
    void crowdsSpreadSideBySide_data()
    {
        QTest::addColumn<QList<QPoint>>("centres");
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QList<int>>("steps");
        using P = QList<QPoint>;
        using K = QList<int>;
        const QPoint c(500, 300);
        QTest::newRow("a pony alone keeps her place") << P{ c } << K{ StandingPony } << K{ 0 };
        QTest::newRow("a pony on a fruit stands right of it, and the fruit keeps its place")
            << P{ c, c } << K{ Fruit, StandingPony } << K{ 0, 1 };
        QTest::newRow("two ponies on a fruit flank it") << P{ c, c, c } << K{ Fruit, StandingPony, StandingPony } << K{ 0, 1, -1 };
        QTest::newRow("the last fruit keeps its place, and the ponies come beside it before the other fruits")
            << P{ c, c, c } << K{ Fruit, StandingPony, Fruit } << K{ -1, 1, 0 };
        QTest::newRow("of ponies alone the first keeps her place") << P{ c, c + QPoint(3, -4) } << K{ StandingPony, StandingPony } << K{ 0, 1 };
        QTest::newRow("a walking pony passes over a fight as she is") << P{ c, c } << K{ Fruit, WalkingPony } << K{ 0, 0 };
        QTest::newRow("units half on each other are no crowd") << P{ c, c + QPoint(20, 0) } << K{ Fruit, StandingPony } << K{ 0, 0 };
        QTest::newRow("units joined through a third form one crowd")
            << P{ c, c + QPoint(15, 0), c + QPoint(30, 0) } << K{ Fruit, StandingPony, StandingPony } << K{ 0, 1, -1 };
        QTest::newRow("at the field's left edge the crowd spreads rightwards")
            << P{ { 20, 300 }, { 20, 300 }, { 20, 300 } } << K{ Fruit, StandingPony, StandingPony } << K{ 0, 1, 2 };
        QTest::newRow("at the right edge, leftwards") << P{ { 1004, 300 }, { 1004, 300 } } << K{ Fruit, StandingPony } << K{ 0, -1 };
        QTest::newRow("past five units the rest stay on the fruit")
            << P::fromVector(QVector<QPoint>(7, c)) << K{ Fruit, StandingPony, StandingPony, StandingPony, StandingPony, StandingPony, StandingPony }
            << K{ 0, 1, -1, 2, -2, 0, 0 };
    }
    void crowdsSpreadSideBySide()
    {
        QFETCH(QList<QPoint>, centres);
        QFETCH(QList<int>, kinds);
        std::vector<CrowdSpread::Unit> units;
        for (int i = 0; i < centres.size(); ++i)
            units.push_back({ QRect(centres.at(i) - QPoint(20, 20), QSize(40, 40)), kinds.at(i) == Fruit, kinds.at(i) != WalkingPony });
        CrowdSpread spread(1024);
        spread.shiftsFor(units); // the memory of a layout is reused by the next
        QList<int> steps;
        for (int shift : spread.shiftsFor(units))
            steps << shift / (40 + CrowdSpread::kGap);
        QTEST(steps, "steps");
    }

    // Ponies "plain" and "small" on a fruit that came first: each of the three is drawn whole,
    // beside the others, and a click on its picture reaches it.
    void everyFighterIsDrawnWholeAndTakesItsClicks_data()
    {
        QTest::addColumn<int>("member"); // the fruit, then the ponies in the order they came
        QTest::addColumn<bool>("left");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("a left click on the pony drawn right of the fruit selects her") << 1 << true << "plain" << "";
        QTest::newRow("a left click on the pony drawn left of it selects her") << 2 << true << "small" << "";
        QTest::newRow("a right click on a pony drawn beside the fruit describes her") << 2 << false << "" << "Крошка";
        QTest::newRow("a right click on the fruit describes it") << 0 << false << "" << "Кислица";
    }
    void everyFighterIsDrawnWholeAndTakesItsClicks()
    {
        QFETCH(int, member);
        QFETCH(bool, left);
        const QStringList codes = { "weak", "plain", "small" };
        const QList<int> steps = { 0, 1, -1 };
        TestWindow w(TestWindow::smallGame());
        QList<QMyLabel*> units;
        for (const QString& code : codes) {
            units << (code == "weak" ? w.addMonster(code, 300, 400) : w.place(code, 300, 400));
            QVERIFY(units.last());
        }
        // What the screen shows, not a fresh rendering: a picture moved aside must leave nothing behind.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.tick();
        QTest::qWait(20);
        const QImage field = w.screen()->grabWindow(w.winId()).toImage();
        QList<QRect> drawn;
        for (int i = 0; i < units.size(); ++i) {
            drawn << units.at(i)->geometry().translated(steps.at(i) * (40 + CrowdSpread::kGap), 0);
            QCOMPARE(units.at(i)->healthBarLabel()->x(), drawn.last().x());
            // Drawn as the unit alone at that place, but for its lowest row, where its bar lies.
            TestWindow alone(TestWindow::smallGame());
            const QPoint centre = drawn.last().center() + QPoint(1, 1);
            QVERIFY(i == 0 ? alone.addMonster(codes.at(i), centre.x(), centre.y()) : alone.place(codes.at(i), centre.x(), centre.y()));
            alone.tick();
            const QRect picture(drawn.last().topLeft(), QSize(40, 39));
            QCOMPARE(pixelsApart(field.copy(picture), alone.grab().toImage().copy(picture)), 0);
        }
        const QString dialog = clickOnShownWindow(w, left ? Qt::LeftButton : Qt::RightButton, drawn.at(member).center());
        QTEST(w.world->selectedPony() ? w.world->selectedPony()->code : QString(), "selected");
        QTEST(dialog, "dialog");
    }

    void theSelectedPonyCarriesAMarker()
    {
        TestWindow w(TestWindow::smallGame());
        Pony* plain = w.summon("plain");
        w.tick();
        const QLabel* marker = w.findChild<QLabel*>(QStringLiteral("selectionMarker"));
        QVERIFY(marker && !marker->isVisibleTo(&w));
        w.world->selectPony(plain);
        plain->moveTo(300, 200);
        w.tick(3);
        QVERIFY(marker->isVisibleTo(&w));
        QCOMPARE(marker->geometry().center().x(), plain->geometry().center().x());
        QCOMPARE(marker->geometry().bottom() + 3, plain->y()); // just above her head, as she walks
        QCOMPARE(paintedOnTop(w, marker->geometry().center()), marker);
    }
};

QTEST_MAIN(TestField)
#include "tst_field.moc"
