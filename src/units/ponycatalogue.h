#ifndef PONYCATALOGUE_H
#define PONYCATALOGUE_H

#include "kindtable.h"
#include "pictureloader.h"
#include "ponyinfo.h"

class FieldLayers;
class GameWorld;
class Pony;
class QWidget;

// The pony kinds the player can summon, read from "../config/pony.ini".
class PonyCatalogue : public KindTable<PonyInfo>
{
public:
    // Ponies are made on the window and join its layers (none on a bare field).
    PonyCatalogue(QWidget* window, FieldLayers* layers, GameWorld* world, const PictureLoader& pictureLoader);

    bool canSummon(const QString& code) const;
    Pony* createPony(const QString& code);

private:
    QWidget* window;
    FieldLayers* layers;
    GameWorld* world;
    PictureLoader pictureLoader;
};

#endif
