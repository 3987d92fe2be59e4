#include "testwindow.h"

#include "gameworld.h"
#include "monster.h"
#include "monstercatalogue.h"
#include "pony.h"
#include "qmybutton.h"

#include <QTest>

#include <cstdlib>

TestGameFolder::TestGameFolder(const Writer& write, MenuChoice choice)
    : menu(ModalAnswerer::choosing(choice))
{
    if (write)
        write(dir);
}

TestWindow::TestWindow(const Writer& write, MenuChoice choice, const Outputs& outputs)
    : TestGameFolder(write, choice)
    , MainWindow(outputs)
    , world(gameWorld())
    , magicLabel(textLines().at(0))
    , foodLabel(textLines().at(1))
    , stoneLabel(textLines().at(2))
    , infoLabel(textLines().at(3))
    , progressLabel(textLines().at(4))
    , ponyButtons(summonButtons())
    , actionButtons(actionColumn())
{
    menu.disarm();
    holdClock();
    std::srand(1);
}

void TestWindow::tick(int count)
{
    for (int i = 0; i < count; ++i)
        tick();
}

TestWindow::Writer TestWindow::smallGame(const QString& schedule, const QString& actions)
{
    return [schedule, actions](GameDir& dir) {
        dir.writeIni(QStringLiteral("pony.ini"), QStringLiteral(
            "[plain]\nName=Простушка\nMaxHealth=100\nSpeed=100\nAttack=10\n"
            "[small]\nName=Крошка\nMaxHealth=30\nSpeed=100\nAttack=10\n"
            "Descr=Маленькая, но храбрая пони: бегает быстрее всех, ест меньше всех и первой встречает фрукты у ворот.\n"
            "[strong]\nMaxHealth=1000\nNeedMagic=100\nSpeed=200\nAttack=500\n"
            "[fastheal]\nMaxHealth=100\nSpeed=100\nAttack=10\n"
            "[fastmagic]\nMaxHealth=100\nSpeed=100\nAttack=10\n"
            "[healer]\nMaxHealth=100\nSpeed=100\nAttack=10\nBonus=fastheal\n"));
        dir.writeIni(QStringLiteral("monster.ini"), QStringLiteral(
            "[apple]\nName=Яблочко\nMaxHealth=100\nSpeed=30\nAttack=10\n"
            "[weak]\nName=Кислица\nMaxHealth=10\nSpeed=30\nAttack=0\n"
            "[brute]\nName=Громила\nMaxHealth=1000\nSpeed=100\nAttack=5000\n"));
        dir.writeIni(QStringLiteral("action.ini"), actions);
        dir.writeSchedule(schedule);
    };
}

QMyButton* TestWindow::summonButton(const QString& code) const
{
    for (QMyButton* button : ponyButtons) {
        if (button->property("ponycode").toString() == code)
            return button;
    }
    return nullptr;
}

Pony* TestWindow::summon(const QString& code)
{
    const int before = world->ponies().size();
    QTest::mousePress(summonButton(code), Qt::LeftButton);
    return world->ponies().size() > before ? world->ponies().last() : nullptr;
}

Monster* TestWindow::addMonster(const QString& code, int x, int y)
{
    Monster* monster = monsterKinds()->createMonster(code, x, y);
    if (monster)
        world->addMonster(monster);
    return monster;
}

QMyLabel* TestWindow::place(const QString& code, int x, int y)
{
    if (!summonButton(code))
        return addMonster(code, x, y);
    Pony* pony = summon(code);
    pony->move(x - pony->width() / 2, y - pony->height() / 2);
    pony->createHealthBar(); // under her new place
    return pony;
}

void TestWindow::announceEnd(const QString& title, const QString& text)
{
    ends << End{ title, text };
}
