#ifndef PONYCATALOGUE_H
#define PONYCATALOGUE_H

#include "ponyinfo.h"

#include <QMap>
#include <QStringList>

class GameWorld;
class Pony;
class QWidget;

// The pony kinds the player can summon, read from "../config/pony.ini".
class PonyCatalogue
{
public:
    PonyCatalogue(QWidget* window, GameWorld* world);

    QStringList codes() const { return codeList; }
    PonyInfo info(const QString& code) const;
    QString name(const QString& code) const;
    QString infoText(const QString& code) const;
    bool canSummon(const QString& code) const;
    Pony* createPony(const QString& code);

private:
    QStringList codeList;
    QMap<QString, PonyInfo> records;
    QWidget* window;
    GameWorld* world;
};

#endif
