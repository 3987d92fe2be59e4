#include "healthbar.h"
#include "qclicklabel.h"
#include "qmybutton.h"
#include "qmylabel.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The health bars, as a player notices them (the crowd's in tst_field, the buildings' in
// tst_buildings):
// - a unit's bar is 5 px high, covers the unit's lowest pixel row and goes along as it walks;
// - its length is health / maximum of the full width, cut to whole pixels, 0 for a maximum of 0;
//   it shrinks at a hit and grows back at a heal, never past the full width;
// - it turns red at a hit and green at the second update after the last one, so a hit before
//   then keeps it red; a building's bar starts red and shows the health its step began with;
// - a faint track of the full width lies beneath a shortened bar, where the bar is, and is
//   gone once the bar is full again;
// - the bars of a standing crowd fan upwards, each to the lowest step, at most seven, where it
//   covers no bar placed before it, not even by a pixel.

// A field that records the presses reaching it and the style changes of widgets it watches.
class Field : public QWidget
{
public:
    int presses = 0;
    int styleChanges = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    bool eventFilter(QObject*, QEvent* event) override
    {
        styleChanges += event->type() == QEvent::StyleChange;
        return false;
    }
};

// What happens to a unit between two looks at its health bar.
enum BarEvent { Hit10, Hit50, Heal50, Update };
Q_DECLARE_METATYPE(QList<BarEvent>)

class TestClickables : public QObject
{
    Q_OBJECT
private slots:
    void pressEmitsOneSignalAndStaysInTheWidget_data()
    {
        QTest::addColumn<QString>("widgetClass");
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QList<bool>>("emitted"); // the click signals' "left" arguments
        using E = QList<bool>;
        for (const char* cls : { "QMyLabel", "QClickLabel", "QMyButton" }) {
            QTest::addRow("%s: left press emits left", cls) << cls << int(Qt::LeftButton) << false << E{ true };
            QTest::addRow("%s: right press emits right", cls) << cls << int(Qt::RightButton) << false << E{ false };
            QTest::addRow("%s: middle press emits nothing", cls) << cls << int(Qt::MiddleButton) << false << E();
            QTest::addRow("%s: left double click emits left twice", cls) << cls << int(Qt::LeftButton) << true << E{ true, true };
        }
    }
    void pressEmitsOneSignalAndStaysInTheWidget()
    {
        QFETCH(QString, widgetClass);
        QFETCH(int, mouseButton);
        QFETCH(bool, doubleClick);
        Field field;
        field.resize(100, 100);
        QWidget* widget = widgetClass == "QMyLabel" ? new QMyLabel(&field)
            : widgetClass == "QClickLabel"           ? static_cast<QWidget*>(new QClickLabel(&field))
                                                     : new QMyButton(&field);
        widget->setGeometry(10, 10, 40, 40);
        // The widget's own click signal is the first method it declares.
        const QMetaMethod signal = widget->metaObject()->method(widget->metaObject()->methodOffset());
        QSignalSpy spy(widget, QByteArray("2" + signal.methodSignature()).constData());
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        // Through the window, as the platform delivers them: a double click reaches a widget
        // as press, release, double-click event.
        QTest::mouseEvent(doubleClick ? QTest::MouseDClick : QTest::MouseClick, field.windowHandle(),
                          Qt::MouseButton(mouseButton), {}, QPoint(30, 30));
        QList<bool> emitted;
        for (const QList<QVariant>& args : std::as_const(spy)) {
            QCOMPARE(qvariant_cast<QObject*>(args.at(0)), widget);
            emitted << args.at(1).toBool();
        }
        QTEST(emitted, "emitted");
        QCOMPARE(field.presses, 0);
        QTest::mouseClick(field.windowHandle(), Qt::LeftButton, {}, QPoint(80, 80));
        QCOMPARE(field.presses, 1); // the empty field does get its presses
    }

    // A 10 x 10 unit at (0, 0) with speed 100 is sent so that its centre ends at target.
    void unitGlidesToTargetAndStopsExactly_data()
    {
        QTest::addColumn<QPoint>("target");
        QTest::addColumn<int>("updates");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<bool>("moving");
        QTest::newRow("a move onto the own corner ends at once") << QPoint(5, 5) << 0 << QPoint(0, 0) << false;
        QTest::newRow("speed 100 covers 10 px per update") << QPoint(30, 5) << 2 << QPoint(20, 0) << true;
        QTest::newRow("the update that would pass the target lands on it") << QPoint(30, 5) << 3 << QPoint(25, 0) << false;
        QTest::newRow("a move along y ends on reaching the target") << QPoint(5, -15) << 2 << QPoint(0, -20) << false;
        QTest::newRow("a unit at (-18.97, -6.32) is truncated to (-18, -6), not rounded") << QPoint(-25, -5) << 2 << QPoint(-18, -6) << true;
    }
    void unitGlidesToTargetAndStopsExactly()
    {
        QFETCH(QPoint, target);
        QFETCH(int, updates);
        QWidget field;
        QMyLabel& unit = *new QMyLabel(&field);
        unit.setGeometry(0, 0, 10, 10);
        unit.createHealthBar();
        unit.speed = 100;
        unit.moveTo(target.x(), target.y());
        while (updates-- > 0)
            unit.updatePosition(0.1f);
        QTEST(unit.pos(), "corner");
        QTEST(unit.isMoving(), "moving");
        QCOMPARE(unit.healthBarLabel()->pos(), unit.pos() + QPoint(0, 9)); // the bar overlaps the unit's last row
    }

    // A 40 px unit starting at full health, then the events in turn.
    void healthBarFollowsHealthAndHits_data()
    {
        QTest::addColumn<int>("maxHealth");
        QTest::addColumn<QList<BarEvent>>("events");
        QTest::addColumn<int>("barWidth");
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("trackShown");
        using E = QList<BarEvent>;
        QTest::newRow("a hit turns the bar red") << 100 << E{ Hit10 } << 40 << HealthBar::redStyle() << false;
        QTest::newRow("the bar stays red on the first update after a hit") << 100 << E{ Hit50, Update } << 20 << HealthBar::redStyle() << true;
        QTest::newRow("the bar turns green on the second update after a hit, 34.67 px cut to 34") << 75 << E{ Hit10, Update, Update } << 34 << HealthBar::greenStyle() << true;
        QTest::newRow("a hit before the bar turned green keeps it red") << 100 << E{ Hit10, Update, Hit10, Update } << 32 << HealthBar::redStyle() << true;
        QTest::newRow("two hits between updates turn it red once") << 100 << E{ Hit10, Hit10 } << 40 << HealthBar::redStyle() << false;
        QTest::newRow("a heal past the maximum grows the bar back to full over its track") << 100 << E{ Hit10, Update, Heal50, Update } << 40 << HealthBar::greenStyle() << false;
        QTest::newRow("a maximum of 0 gives an empty bar") << 0 << E{ Heal50, Update } << 0 << HealthBar::greenStyle() << true;
    }
    void healthBarFollowsHealthAndHits()
    {
        QFETCH(int, maxHealth);
        QFETCH(QList<BarEvent>, events);
        Field field;
        auto* unit = new QMyLabel(&field);
        unit->setGeometry(0, 0, 40, 40);
        unit->maxHealth = maxHealth;
        unit->health = maxHealth;
        unit->createHealthBar();
        const QList<QLabel*> barLabels = field.findChildren<QLabel*>(QLatin1String(HealthBar::kBarName));
        QCOMPARE(barLabels.size(), 2);
        for (QLabel* label : barLabels)
            label->installEventFilter(&field);
        for (const BarEvent event : events) {
            if (event == Update)
                unit->updatePosition(0.1f);
            else if (event == Heal50)
                unit->heal(50);
            else
                unit->damage(event == Hit10 ? 10 : 50);
        }
        QTEST(unit->healthBarLabel()->width(), "barWidth");
        QTEST(unit->healthBarLabel()->styleSheet(), "style");
        // Each colour is styled once, when the bar is made: a switch shows the other label.
        QCOMPARE(field.styleChanges, 0);
        for (const QLabel* label : barLabels)
            QCOMPARE(label->isVisibleTo(&field), label == unit->healthBarLabel());
        QTEST(unit->healthBarTrack()->isVisibleTo(&field), "trackShown");
    }

    // A bar's labels are its field's children: a field that goes before the bar takes them
    // along, and the bar deletes none of them again.
    void aBarOutlivingItsFieldDeletesNothingTwice()
    {
        auto field = std::make_unique<QWidget>();
        HealthBar bar(field.get(), 0, 0, 40, false);
        bar.addSideMark();
        field.reset();
        QVERIFY(!bar.label() && !bar.trackLabel() && !bar.sideMarkLabel());
    }
};

QTEST_MAIN(TestClickables)
#include "tst_clickables.moc"

#include <utility>
