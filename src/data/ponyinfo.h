#ifndef PONYINFO_H
#define PONYINFO_H

#include <QString>

// One pony kind as the pony file describes it.
struct PonyInfo
{
    QString name;
    QString descr;
    int maxHealth = 0;
    int needMagic = 0;
    int speed = 0;
    int attack = 0;
    QString bonus;
};

#endif
