#ifndef MONSTERINFO_H
#define MONSTERINFO_H

#include <QString>

// One monster kind as the monster file describes it (maximum health already cut in easy mode).
struct MonsterInfo
{
    QString name;
    QString descr;
    int maxHealth = 0;
    int speed = 0;
    int attack = 0;
};

#endif
