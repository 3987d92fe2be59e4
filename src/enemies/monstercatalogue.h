#ifndef MONSTERCATALOGUE_H
#define MONSTERCATALOGUE_H

#include "monsterinfo.h"

#include <QMap>
#include <QString>

class GameWorld;
class Monster;
class QWidget;

// The monster kinds, read from "../config/monster.ini"; easy mode cuts their health to 60 %.
class MonsterCatalogue
{
public:
    MonsterCatalogue(QWidget* window, GameWorld* world, bool easy);

    MonsterInfo info(const QString& code) const;
    QString infoText(const QString& code) const;
    Monster* createMonster(const QString& code, int x, int y);
    QStringList codes() const { return records.keys(); }

private:
    QMap<QString, MonsterInfo> records;
    QWidget* window;
    GameWorld* world;
};

#endif
