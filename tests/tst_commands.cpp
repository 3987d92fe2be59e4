#include "building.h"
#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "qclicklabel.h"
#include "qmybutton.h"
#include "testwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void clicksSelectDescribeAndSendTheSelectedPony_data()
    {
        // Clicks, "+" left and "-" right, on: p the pony "plain", s the pony "small", f the field at
        // (300, 200), c a cell of the mine, m a monster on its way, g the summon button of "strong",
        // greyed out for want of magic. Where "plain" ends: f, c, m or
        // nowhere new (""). The status line names the selected pony.
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<QString>("destination");
        QTest::newRow("a second left click keeps the pony selected") << "p+ p+" << "Простушка" << QStringList() << "";
        QTest::newRow("a right click on another pony only names it") << "p+ s-" << "Простушка" << QStringList{ "Крошка" } << "";
        QTest::newRow("a left click on another pony moves the selection") << "p+ s+" << "Крошка" << QStringList() << "";
        QTest::newRow("a field click at (300, 200) brings the corner to (280, 180)") << "p+ f+" << "Простушка" << QStringList() << "f";
        QTest::newRow("a cell click centres the pony on the cell") << "p+ c+" << "Простушка" << QStringList() << "c";
        QTest::newRow("a monster click sends the pony to where the monster was") << "p+ m+" << "Простушка" << QStringList() << "m";
        QTest::newRow("right clicks on the field, a cell or a monster send nobody") << "p+ f- c- m-" << "Простушка" << QStringList{ "Кислица" } << "";
        QTest::newRow("a greyed summon button is described but neither summons nor sends") << "p+ g- g+" << "Простушка" << QStringList{ "" } << "";
        QTest::newRow("without a selected pony no click sends anybody") << "f+ c+ m+" << "" << QStringList() << "";
    }
    void clicksSelectDescribeAndSendTheSelectedPony()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, destination);
        TestWindow w(TestWindow::smallGame(QStringLiteral("0,weak,1\n9999,apple,1")));
        Pony* plain = w.summon(QStringLiteral("plain"));
        const QPoint start = plain->pos();
        QMap<QChar, QWidget*> targets{ { 'p', plain }, { 's', w.summon(QStringLiteral("small")) }, { 'f', &w } };
        w.world->setMagic(0);
        w.tick(5); // the monster is on its way to a building
        targets['g'] = w.summonButton(QStringLiteral("strong"));
        targets['m'] = w.world->monsters().first();
        targets['c'] = w.world->buildings().at(1)->cellList().at(1);
        QMap<QChar, QPoint> centres{ { 'f', QPoint(300, 200) } };
        for (const QChar key : { 'c', 'm' })
            centres[key] = targets[key]->pos() + QPoint(targets[key]->width() / 2, targets[key]->height() / 2);
        QStringList dialogs;
        ModalAnswerer answerer([&dialogs](QDialog* dialog) {
            dialogs << dialog->findChild<QLabel*>(QStringLiteral("labTitle"))->text();
            dialog->findChild<QPushButton*>(QStringLiteral("pushButton"))->click(); // its own «Закрыть»
            if (dialog->isVisible()) {
                dialogs << QStringLiteral("still open");
                dialog->reject();
            }
        });
        for (const QString& click : clicks.split(QLatin1Char(' '))) {
            const QChar key = click.at(0);
            QTest::mousePress(targets[key], click.at(1) == '+' ? Qt::LeftButton : Qt::RightButton, {}, key == 'f' ? centres[key] : QPoint());
        }
        w.tick(80);
        QTEST(w.infoLabel->isHidden() ? QString() : w.infoLabel->text().section(QLatin1Char(':'), 0, 0), "status");
        QTEST(dialogs, "dialogs");
        // Only an unselected pony looks clickable.
        const bool selected = !w.infoLabel->isHidden() && w.infoLabel->text().startsWith(plain->name);
        QCOMPARE(plain->cursor().shape(), selected ? Qt::ArrowCursor : Qt::PointingHandCursor);
        QCOMPARE(plain->styleSheet(), QString("border: %1px solid rgb(40,100,40); border-radius: 5px").arg(selected ? 2 : 1));
        QCOMPARE(plain->pos(), destination.isEmpty() ? start : centres[destination.at(0)] - QPoint(20, 20));
        QCOMPARE(w.world->ponies().size(), 2);
    }

    void actionsPayAndTakeEffect_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("presses");
        QTest::addColumn<float>("ponyHealth"); // of "small", 30 at most; the buildings stand at 100 of 500
        QTest::addColumn<QString>("magicFoodStonePonyBuildings");
        const QString incfood = QStringLiteral("[incfood]\nNeedMagic=100\nValue=20\n");
        const QString cure = QStringLiteral("[cure]\nNeedMagic=10\nValue=50\n");
        QTest::newRow("incfood pays 100 magic for 20 food") << incfood << 1 << 10.f << "150 120 50 10 100 100 100";
        QTest::newRow("two presses before the next tick both pay") << incfood << 2 << 10.f << "50 140 50 10 100 100 100";
        QTest::newRow("incstone pays 40 magic for 30 stone") << "[incstone]\nNeedMagic=40\nValue=30\n" << 1 << 10.f << "210 100 80 10 100 100 100";
        QTest::newRow("cure 50 lifts 10 of 30 to 25") << cure << 1 << 10.f << "240 100 50 25 100 100 100";
        QTest::newRow("cure 50 lifts 20 of 30 only to 30") << cure << 1 << 20.f << "240 100 50 30 100 100 100";
        QTest::newRow("a cure of 2000000000 % just fills the pony") << "[cure]\nNeedMagic=10\nValue=2000000000\n" << 1 << 10.f << "240 100 50 30 100 100 100";
        QTest::newRow("repair 10 raises every building by 50") << "[repair]\nNeedMagic=10\nValue=10\n" << 1 << 10.f << "240 100 50 10 150 150 150";
        QTest::newRow("an action of no known effect costs nothing and does nothing") << "[dance]\nNeedMagic=10\nValue=50\n" << 1 << 10.f << "250 100 50 10 100 100 100";
        QTest::newRow("repair stops at the maximum") << "[repair]\nNeedMagic=10\nValue=90\n" << 1 << 10.f << "240 100 50 10 500 500 500";
        QTest::newRow("a cure of -50 % stops the pony at 0") << "[cure]\nNeedMagic=10\nValue=-50\n" << 1 << 10.f << "240 100 50 0 100 100 100";
        QTest::newRow("a repair of -50 % stops every building at 0") << "[repair]\nNeedMagic=10\nValue=-50\n" << 1 << 10.f << "240 100 50 10 0 0 0";
        QTest::newRow("an incstone of -80 empties the store and no further") << "[incstone]\nNeedMagic=10\nValue=-80\n" << 1 << 10.f << "240 100 0 10 100 100 100";
    }
    void actionsPayAndTakeEffect()
    {
        QFETCH(QString, action);
        QFETCH(int, presses);
        QFETCH(float, ponyHealth);
        TestWindow w(TestWindow::smallGame(QStringLiteral("9999,apple,1"), action));
        Pony* pony = w.summon(QStringLiteral("small"));
        pony->health = ponyHealth;
        for (Building* building : w.world->buildings())
            building->health = 100;
        while (presses-- > 0)
            QTest::mousePress(w.actionButtons.first(), Qt::LeftButton);
        QStringList after = { QString::number(w.world->magicAmount()), QString::number(w.world->foodAmount()), QString::number(w.world->stoneAmount()), QString::number(pony->health) };
        for (const Building* building : w.world->buildings())
            after << QString::number(building->health);
        QTEST(after.join(QLatin1Char(' ')), "magicFoodStonePonyBuildings");
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
