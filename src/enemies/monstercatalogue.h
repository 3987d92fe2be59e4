#ifndef MONSTERCATALOGUE_H
#define MONSTERCATALOGUE_H

#include "kindtable.h"
#include "pictureloader.h"
#include "monsterinfo.h"

#include <QHash>
#include <QPixmap>

class FieldLayers;
class GameWorld;
class Monster;
class QWidget;

// The monster kinds, read from "../config/monster.ini"; easy mode cuts their health to 60 %.
class MonsterCatalogue : public KindTable<MonsterInfo>
{
public:
    // Fruits are made on the window and join its layers (none on a bare field).
    MonsterCatalogue(QWidget* window, FieldLayers* layers, GameWorld* world, const PictureLoader& pictureLoader, bool easy);

    Monster* createMonster(const QString& code, int x, int y);

private:
    QPixmap pictureOf(const QString& code) const;

    QWidget* window;
    FieldLayers* layers;
    GameWorld* world;
    PictureLoader pictureLoader;
    // Decoded once per kind; copies of a QPixmap share its pixels.
    mutable QHash<QString, QPixmap> pictures;
};

#endif
