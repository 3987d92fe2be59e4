#ifndef MONSTERCATALOGUE_H
#define MONSTERCATALOGUE_H

#include "kindtable.h"
#include "monsterinfo.h"

class GameWorld;
class Monster;
class QWidget;

// The monster kinds, read from "../config/monster.ini"; easy mode cuts their health to 60 %.
class MonsterCatalogue : public KindTable<MonsterInfo>
{
public:
    MonsterCatalogue(QWidget* window, GameWorld* world, bool easy);

    Monster* createMonster(const QString& code, int x, int y);

private:
    QWidget* window;
    GameWorld* world;
};

#endif
