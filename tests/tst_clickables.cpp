#include "barstyle.h"
#include "qclicklabel.h"
#include "qmybutton.h"
#include "qmylabel.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

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

class TestClickables : public QObject
{
    Q_OBJECT
private slots:
    void pressEmitsOneSignalAndStaysInTheWidget_data()
    {
        QTest::addColumn<QString>("widgetClass");
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QList<bool>>("emitted");
        for (const char* cls : { "QMyLabel", "QClickLabel", "QMyButton" }) {
            QTest::addRow("%s: left press emits left", cls) << cls << int(Qt::LeftButton) << false << QList<bool>{ true };
            QTest::addRow("%s: right press emits right", cls) << cls << int(Qt::RightButton) << false << QList<bool>{ false };
            QTest::addRow("%s: middle press emits nothing", cls) << cls << int(Qt::MiddleButton) << false << QList<bool>{};
            QTest::addRow("%s: left double click emits left twice", cls)
                << cls << int(Qt::LeftButton) << true << QList<bool>{ true, true };
        }
    }

    void pressEmitsOneSignalAndStaysInTheWidget()
    {
        QFETCH(QString, widgetClass);
        QFETCH(int, mouseButton);
        QFETCH(bool, doubleClick);
        QFETCH(QList<bool>, emitted);
        Field field;
        field.resize(100, 100);
        QWidget* widget = widgetClass == "QMyLabel" ? new QMyLabel(&field)
            : widgetClass == "QClickLabel"           ? static_cast<QWidget*>(new QClickLabel(&field))
                                                     : new QMyButton(&field);
        widget->setGeometry(10, 10, 40, 40);
        // The widget's own click signal is the first method it declares.
        const QMetaMethod signal = widget->metaObject()->method(widget->metaObject()->methodOffset());
        QSignalSpy spy(widget, ("2" + signal.methodSignature()).constData());
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        // Through the window, as the platform delivers them: a double click reaches a widget
        // as press, release, double-click event.
        QTest::mouseEvent(doubleClick ? QTest::MouseDClick : QTest::MouseClick, field.windowHandle(),
                          Qt::MouseButton(mouseButton), {}, QPoint(30, 30));
        QList<bool> isleft;
        for (const QList<QVariant>& args : qAsConst(spy)) {
            QCOMPARE(qvariant_cast<QObject*>(args.at(0)), widget);
            isleft << args.at(1).toBool();
        }
        QCOMPARE(isleft, emitted);
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
        QTest::newRow("a slanted move arrives exactly") << QPoint(35, 45) << 5 << QPoint(30, 40) << false;
    }

    void unitGlidesToTargetAndStopsExactly()
    {
        QFETCH(QPoint, target);
        QFETCH(int, updates);
        QFETCH(QPoint, corner);
        QFETCH(bool, moving);
        QMyLabel unit;
        unit.setGeometry(0, 0, 10, 10);
        unit.speed = 100;
        unit.moveTo(target.x(), target.y());
        for (int i = 0; i < updates; ++i)
            unit.updatePosition(0.1f);
        QCOMPARE(unit.pos(), corner);
        QCOMPARE(unit.isMoving(), moving);
    }

    // A 40 px unit starting at full health. Script: d = damage 10, D = damage 50, z = damage 0,
    // h = heal 50, u = one update.
    void healthBarFollowsHealthAndHits_data()
    {
        QTest::addColumn<int>("maxHealth");
        QTest::addColumn<QString>("script");
        QTest::addColumn<float>("health");
        QTest::addColumn<int>("barWidth");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("styleChanges");
        QTest::newRow("a hit turns the bar red") << 100 << "d" << 90.f << 40 << true << 1;
        QTest::newRow("a hit of 0 turns the bar red too") << 100 << "z" << 100.f << 40 << true << 1;
        QTest::newRow("the bar stays red on the first update after a hit") << 100 << "Du" << 50.f << 20 << true << 1;
        QTest::newRow("the bar turns green on the second update after a hit") << 100 << "duu" << 90.f << 36 << false << 2;
        QTest::newRow("two hits between updates restyle the bar once") << 100 << "dd" << 80.f << 40 << true << 1;
        QTest::newRow("a unit hit between every two updates stays red") << 100 << "dudud" << 70.f << 32 << true << 1;
        QTest::newRow("damage below zero leaves an empty bar") << 100 << "DDDu" << 0.f << 0 << true << 1;
        QTest::newRow("healing beyond the maximum keeps a full bar") << 100 << "dhuu" << 100.f << 40 << false << 2;
        QTest::newRow("a maximum of 0 gives an empty bar") << 0 << "hu" << 0.f << 0 << false << 0;
        QTest::newRow("a negative maximum gives an empty bar") << -10 << "hu" << -10.f << 0 << false << 0;
    }

    void healthBarFollowsHealthAndHits()
    {
        QFETCH(int, maxHealth);
        QFETCH(QString, script);
        QFETCH(float, health);
        QFETCH(int, barWidth);
        QFETCH(bool, red);
        QFETCH(int, styleChanges);
        Field field;
        field.show();
        auto* unit = new QMyLabel(&field);
        unit->setGeometry(0, 0, 40, 40);
        unit->maxHealth = maxHealth;
        unit->health = maxHealth;
        unit->createHealthBar();
        QPointer<QLabel> bar = unit->healthBarLabel();
        bar->installEventFilter(&field);
        for (const QChar c : script) {
            if (c == 'u')
                unit->updatePosition(0.1f);
            else
                c == 'h' ? unit->heal(50) : unit->damage(c == 'd' ? 10 : c == 'D' ? 50 : 0);
        }
        QCOMPARE(unit->health, health);
        QCOMPARE(bar->geometry(), QRect(0, 39, barWidth, 5));
        QCOMPARE(bar->styleSheet(), red ? redBarStyle() : greenBarStyle());
        QCOMPARE(field.styleChanges, styleChanges);
        delete unit;
        QVERIFY(bar.isNull());
    }
};

QTEST_MAIN(TestClickables)
#include "tst_clickables.moc"
