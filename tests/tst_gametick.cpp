#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "qmybutton.h"
#include "testwindow.h"

#include <QScreen>
#include <QtTest>

// The tick's labels and buttons, as a player reads them after every step:
// - magic, food and stone are shown as whole numbers, cut, not rounded;
// - the status line shows the selected pony's health cut to a whole number, and is hidden
//   while no pony is selected;
// - the progress line counts the fruits still to come and the whole seconds, rounded up, until
//   the next may enter; "now" when one is due, and says when all are in;
// - a summon button is greyed out while the magic, cut, is short of its cost, and hidden once
//   its pony is summoned; an action's button is greyed out short of magic and hidden for nine
//   ticks after use, ticks under a dialog not counted;
// - the tick that ends the game still writes all of these, and the end is announced once.
class TestGameTick : public QObject
{
    Q_OBJECT
private slots:
    void buttonsFollowMagicCooldownAndSummons_data()
    {
        // summon: the button of the pony "strong", else of the action "incfood"; both cost 100 magic.
        QTest::addColumn<bool>("summon");
        QTest::addColumn<float>("magic");
        QTest::addColumn<bool>("press");
        QTest::addColumn<int>("pausedTicks"); // made first while an information dialog is open
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("state");
        QTest::newRow("a pony costing exactly the truncated magic can be summoned") << true << 99.9f << false << 0 << 1 << "enabled";
        QTest::newRow("a pony costing more than the magic is greyed out") << true << 99.7f << false << 0 << 1 << "disabled";
        QTest::newRow("a summoned pony's button stays hidden despite plenty of magic") << true << 10000.f << true << 0 << 3 << "hidden";
        QTest::newRow("an action short of magic is greyed out") << false << 99.f << true << 0 << 1 << "disabled";
        QTest::newRow("an action costing exactly the truncated magic can be used") << false << 99.9f << false << 0 << 1 << "enabled";
        QTest::newRow("a used action is hidden for nine ticks") << false << 250.f << true << 0 << 9 << "hidden";
        QTest::newRow("a used action is back on the tenth tick") << false << 250.f << true << 0 << 10 << "enabled";
        QTest::newRow("ticks under an information dialog do not run the cooldown") << false << 250.f << true << 20 << 9 << "hidden";
    }
    void buttonsFollowMagicCooldownAndSummons()
    {
        QFETCH(bool, summon);
        QFETCH(float, magic);
        QFETCH(bool, press);
        QFETCH(int, pausedTicks);
        QFETCH(int, ticks);
        TestWindow w(TestWindow::smallGame(QStringLiteral("9999,apple,1"), QStringLiteral("[incfood]\nNeedMagic=100\nValue=20\n")));
        QMyButton* button = summon ? w.summonButton(QStringLiteral("strong")) : w.actionButtons.first();
        w.world->setMagic(magic);
        if (press)
            QTest::mousePress(button, Qt::LeftButton);
        ModalAnswerer answerer([&w, pausedTicks](QDialog* dialog) {
            w.tick(pausedTicks);
            dialog->reject();
        });
        QTest::mousePress(w.summonButton(QStringLiteral("plain")), Qt::RightButton);
        QCOMPARE(w.world->timeElapsed(), 0.0f);
        w.tick(ticks);
        QTEST(QString(button->isHidden() ? "hidden" : button->isEnabled() ? "enabled" : "disabled"), "state");
    }

    // Each tick writes the stores truncated: 99.7 magic grows to 99.9, 7.8 food pays 0.2 for a
    // heal from 50.5 to 50.7 health; the stone stays at 12.9.
    void labelsShowTheStoresAndTheSelectedPonyWhole_data()
    {
        QTest::addColumn<bool>("ends"); // nothing is scheduled, so the first tick wins
        QTest::addColumn<bool>("deselect"); // after a tick with the pony selected
        QTest::addColumn<QString>("status"); // null: hidden
        QTest::newRow("a selected pony's health is shown whole") << false << false << "Простушка: здоровье 50/100";
        QTest::newRow("the tick that ends the game still shows its state") << true << false << "Простушка: здоровье 50/100";
        QTest::newRow("a pony no longer selected leaves no status line") << false << true << QString();
    }
    void labelsShowTheStoresAndTheSelectedPonyWhole()
    {
        QFETCH(bool, ends);
        QFETCH(bool, deselect);
        TestWindow w(TestWindow::smallGame(ends ? QString() : QStringLiteral("9999,apple,1")));
        Pony* pony = w.summon(QStringLiteral("plain"));
        w.world->selectPony(pony);
        if (deselect) {
            w.tick();
            w.world->selectPony(nullptr);
        }
        pony->health = 50.5f;
        w.world->setFood(7.8f);
        w.world->setStone(12.9f);
        w.world->setMagic(99.7f);
        w.tick();
        QCOMPARE(w.ends.size(), ends ? 1 : 0);
        QCOMPARE(QStringList({ w.magicLabel->text(), w.foodLabel->text(), w.stoneLabel->text() }),
                 QStringList({ "Магия: 99", "Еда: 7", "Камень: 12" }));
        QTEST(w.infoLabel->isHidden() ? QString() : w.infoLabel->text(), "status");
    }

    void wholeGameEndsWithOneBox_data()
    {
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<bool>("defend");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("a pony sent at every monster wins against the weak ones") << "0,weak,1\n0,weak,7\n" << true << "Победа!" << "Восставшие фрукты уничтожены, Ольтерия спасена.";
        QTest::newRow("an undefended building falls to a brute and the game is lost") << "0,brute,5\n" << false << "Поражение!" << "Здание 'Рудник'' было разрушено.";
    }
    void wholeGameEndsWithOneBox()
    {
        QFETCH(QString, schedule);
        QFETCH(bool, defend);
        TestWindow w(TestWindow::smallGame(schedule));
        if (defend)
            QTest::mousePress(w.summon(QStringLiteral("plain")), Qt::LeftButton);
        for (int i = 1; i < 3000 && w.ends.isEmpty(); ++i) {
            w.tick();
            if (i % 10 == 0 && !w.world->monsters().isEmpty())
                QTest::mousePress(w.world->monsters().first(), Qt::LeftButton);
        }
        const float endTime = w.world->timeElapsed();
        // Ticks after the end show no second box, and the game stands still.
        w.tick(20);
        QCOMPARE(w.ends.size(), 1);
        QTEST(w.ends.first().title, "title");
        QTEST(w.ends.first().text, "text");
        QCOMPARE(w.world->timeElapsed(), endTime);
    }

    // The line under the stores counts the schedule down: the fruits still to come and the
    // whole seconds, rounded up, until the next one may enter.
    void progressLineCountsTheScheduleDown_data()
    {
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("line");
        const QString three = "8,apple,1\n2,weak,2\n0,weak,3\n";
        QTest::newRow("before the clock runs the whole schedule is to come") << three << 0 << "Ещё фруктов: 3 · следующий через 8 с";
        QTest::newRow("7.5 s before the first fruit the line says 8 s") << three << 5 << "Ещё фруктов: 3 · следующий через 8 с";
        QTest::newRow("6.5 s before the first fruit the line says 7 s") << three << 15 << "Ещё фруктов: 3 · следующий через 7 с";
        QTest::newRow("once the first fruit is in, two are to come 1.5 s later") << three << 85 << "Ещё фруктов: 2 · следующий через 2 с";
        QTest::newRow("a fruit already due while another enters comes now") << "0,apple,1\n0,weak,2\n" << 1 << "Ещё фруктов: 1 · следующий сейчас";
        QTest::newRow("a negative delay brings its fruit first") << "5,apple,1\n-3,weak,2\n" << 0 << "Ещё фруктов: 2 · следующий через 2 с";
        QTest::newRow("once the last fruit is in the line says so") << three << 110 << "Все фрукты на поле";
        QTest::newRow("an empty schedule has nothing to come") << "" << 0 << "Все фрукты на поле";
    }
    void progressLineCountsTheScheduleDown()
    {
        QFETCH(QString, schedule);
        QFETCH(int, ticks);
        TestWindow w(TestWindow::smallGame(schedule));
        w.tick(ticks);
        QTEST(w.progressLabel->text(), "line");
    }

    // A tick with many walking fruits is repainted as one window: the screen must not lag behind.
    void screenShowsEveryFruitWhereItWalked()
    {
        TestWindow w(TestWindow::smallGame());
        for (int i = 0; i < 40; ++i)
            w.addMonster(QStringLiteral("weak"), 60 + 20 * i, 60)->moveTo(60 + 20 * i, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.tick();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(w.screen()->grabWindow(w.winId()).toImage(), w.grab().toImage());
    }
};

QTEST_MAIN(TestGameTick)
#include "tst_gametick.moc"
