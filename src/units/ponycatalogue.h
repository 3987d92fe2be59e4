#ifndef PONYCATALOGUE_H
#define PONYCATALOGUE_H

#include "kindtable.h"
#include "pictureloader.h"
#include "ponyinfo.h"

class GameWorld;
class Pony;
class QWidget;

// The pony kinds the player can summon, read from "../config/pony.ini".
class PonyCatalogue : public KindTable<PonyInfo>
{
public:
    PonyCatalogue(QWidget* window, GameWorld* world, const PictureLoader& pictureLoader);

    bool canSummon(const QString& code) const;
    Pony* createPony(const QString& code);

private:
    QWidget* window;
    GameWorld* world;
    PictureLoader pictureLoader;
};

#endif
