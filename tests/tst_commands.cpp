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

// The player's commands: the left button commands, the right one describes.
// - a left click on a pony selects her alone; a right click on a pony, a fruit, a summon or an
//   action button opens its description, whose text wraps;
// - a left click on the field, a cell or a fruit sends the selected pony there, her centre to
//   the point, the cell's or the fruit's centre; without a selection nobody moves;
// - a left click on a summon button summons a pony that joins the world and answers clicks;
// - a left click on an action pays and takes effect.

// What a click goes to: the pony "plain", the pony "small", the field at (300, 200), a cell of
// the mine, a monster on its way, the summon button of "strong", greyed out for want of magic;
// Start is where "plain" was summoned.
enum Target { Plain, Small, Field, Cell, Fruit, GreyedSummon, Start };
struct Click
{
    Target target;
    bool left;
};
Q_DECLARE_METATYPE(QList<Click>)
Q_DECLARE_METATYPE(Target)

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void clicksSelectDescribeAndSendTheSelectedPony_data()
    {
        // Each click, left or right, goes to a target; the status line names the selected pony,
        // and "plain" ends where the target was, or where she started (Start).
        QTest::addColumn<QList<Click>>("clicks");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<Target>("destination");
        using C = QList<Click>;
        const Click pL{ Plain, true }, sL{ Small, true }, sR{ Small, false }, fL{ Field, true }, fR{ Field, false }, cL{ Cell, true },
            cR{ Cell, false }, mL{ Fruit, true }, mR{ Fruit, false }, gL{ GreyedSummon, true }, gR{ GreyedSummon, false };
        QTest::newRow("a second left click keeps the pony selected") << C{ pL, pL } << "Простушка" << QStringList() << Start;
        QTest::newRow("a right click on another pony only names it") << C{ pL, sR } << "Простушка" << QStringList{ "Крошка" } << Start;
        QTest::newRow("a left click on another pony moves the selection") << C{ pL, sL } << "Крошка" << QStringList() << Start;
        QTest::newRow("a field click at (300, 200) brings the corner to (280, 180)") << C{ pL, fL } << "Простушка" << QStringList() << Field;
        QTest::newRow("a cell click centres the pony on the cell") << C{ pL, cL } << "Простушка" << QStringList() << Cell;
        QTest::newRow("a monster click sends the pony to where the monster was") << C{ pL, mL } << "Простушка" << QStringList() << Fruit;
        QTest::newRow("right clicks on the field, a cell or a monster send nobody") << C{ pL, fR, cR, mR } << "Простушка" << QStringList{ "Кислица" } << Start;
        QTest::newRow("a greyed summon button is described but neither summons nor sends") << C{ pL, gR, gL } << "Простушка" << QStringList{ "" } << Start;
        QTest::newRow("without a selected pony no click sends anybody") << C{ fL, cL, mL } << "" << QStringList() << Start;
    }
    void clicksSelectDescribeAndSendTheSelectedPony()
    {
        QFETCH(QList<Click>, clicks);
        QFETCH(Target, destination);
        TestWindow w(TestWindow::smallGame(QStringLiteral("0,weak,1\n9999,apple,1")));
        Pony* plain = w.summon(QStringLiteral("plain"));
        QMap<Target, QWidget*> targets{ { Plain, plain }, { Small, w.summon(QStringLiteral("small")) }, { Field, &w } };
        w.world->setMagic(0);
        w.tick(5); // the monster is on its way to a building
        targets[GreyedSummon] = w.summonButton(QStringLiteral("strong"));
        targets[Fruit] = w.world->monsters().first();
        targets[Cell] = w.world->buildings().at(1)->cellList().at(1);
        QMap<Target, QPoint> centres{ { Field, QPoint(300, 200) }, { Start, plain->pos() + QPoint(20, 20) } };
        for (const Target target : { Cell, Fruit })
            centres[target] = targets[target]->pos() + QPoint(targets[target]->width() / 2, targets[target]->height() / 2);
        QStringList dialogs;
        ModalAnswerer answerer([&dialogs](QDialog* dialog) {
            dialogs << dialog->findChild<QLabel*>(QStringLiteral("labTitle"))->text();
            const QLabel* info = dialog->findChild<QLabel*>(QStringLiteral("labInfo"));
            if (info->minimumSizeHint().width() > info->width())
                dialogs << QStringLiteral("text runs past the frame instead of wrapping");
            dialog->findChild<QPushButton*>(QStringLiteral("pushButton"))->click(); // its own «Закрыть»
            if (dialog->isVisible()) {
                dialogs << QStringLiteral("still open");
                dialog->reject();
            }
        });
        for (const Click& click : clicks)
            QTest::mousePress(targets[click.target], click.left ? Qt::LeftButton : Qt::RightButton, {}, click.target == Field ? centres[Field] : QPoint());
        w.tick(80);
        QTEST(w.infoLabel->isHidden() ? QString() : w.infoLabel->text().section(QLatin1Char(':'), 0, 0), "status");
        QTEST(dialogs, "dialogs");
        // Only an unselected pony looks clickable.
        const bool selected = !w.infoLabel->isHidden() && w.infoLabel->text().startsWith(plain->name);
        QCOMPARE(plain->cursor().shape(), selected ? Qt::ArrowCursor : Qt::PointingHandCursor);
        QCOMPARE(plain->styleSheet(), QString("border: %1px solid rgb(40,100,40); border-radius: 5px").arg(selected ? 2 : 1));
        QCOMPARE(plain->pos(), centres[destination] - QPoint(20, 20));
        QCOMPARE(w.world->ponies().size(), 2);
    }

    void actionsPayAndTakeEffect_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("presses");
        QTest::addColumn<float>("ponyHealth"); // of "small", 30 at most; the buildings stand at 100 of 500
        QTest::addColumn<float>("magic");
        QTest::addColumn<float>("food");
        QTest::addColumn<float>("stone");
        QTest::addColumn<float>("pony");
        QTest::addColumn<float>("buildings"); // each of the three
        const QString incfood = QStringLiteral("[incfood]\nNeedMagic=100\nValue=20\n");
        const QString cure = QStringLiteral("[cure]\nNeedMagic=10\nValue=50\n");
        QTest::newRow("incfood pays 100 magic for 20 food") << incfood << 1 << 10.f << 150.f << 120.f << 50.f << 10.f << 100.f;
        QTest::newRow("two presses before the next tick both pay") << incfood << 2 << 10.f << 50.f << 140.f << 50.f << 10.f << 100.f;
        QTest::newRow("incstone pays 40 magic for 30 stone") << "[incstone]\nNeedMagic=40\nValue=30\n" << 1 << 10.f << 210.f << 100.f << 80.f << 10.f << 100.f;
        QTest::newRow("cure 50 lifts 10 of 30 to 25") << cure << 1 << 10.f << 240.f << 100.f << 50.f << 25.f << 100.f;
        QTest::newRow("cure 50 lifts 20 of 30 only to 30") << cure << 1 << 20.f << 240.f << 100.f << 50.f << 30.f << 100.f;
        QTest::newRow("a cure of 2000000000 % just fills the pony") << "[cure]\nNeedMagic=10\nValue=2000000000\n" << 1 << 10.f << 240.f << 100.f << 50.f << 30.f << 100.f;
        QTest::newRow("repair 10 raises every building by 50") << "[repair]\nNeedMagic=10\nValue=10\n" << 1 << 10.f << 240.f << 100.f << 50.f << 10.f << 150.f;
        QTest::newRow("an action of no known effect costs nothing and does nothing") << "[dance]\nNeedMagic=10\nValue=50\n" << 1 << 10.f << 250.f << 100.f << 50.f << 10.f << 100.f;
        QTest::newRow("repair stops at the maximum") << "[repair]\nNeedMagic=10\nValue=90\n" << 1 << 10.f << 240.f << 100.f << 50.f << 10.f << 500.f;
        QTest::newRow("a cure of -50 % stops the pony at 0") << "[cure]\nNeedMagic=10\nValue=-50\n" << 1 << 10.f << 240.f << 100.f << 50.f << 0.f << 100.f;
        QTest::newRow("a repair of -50 % stops every building at 0") << "[repair]\nNeedMagic=10\nValue=-50\n" << 1 << 10.f << 240.f << 100.f << 50.f << 10.f << 0.f;
        QTest::newRow("an incstone of -80 empties the store and no further") << "[incstone]\nNeedMagic=10\nValue=-80\n" << 1 << 10.f << 240.f << 100.f << 0.f << 10.f << 100.f;
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
        QTEST(w.world->magicAmount(), "magic");
        QTEST(w.world->foodAmount(), "food");
        QTEST(w.world->stoneAmount(), "stone");
        QTEST(pony->health, "pony");
        for (const Building* building : w.world->buildings())
            QTEST(building->health, "buildings");
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
