#ifndef GAMEEVENTS_H
#define GAMEEVENTS_H

#include <QObject>
#include <QPoint>
#include <QVector>

class GameWorld;

// What happened in the game, said by the room where it happened: the tick says each step, a
// pause and the end; the player's commands say a summon, an action and the fruits a summon
// struck. The sound and the pictures listen where the window wires them, so that the rooms
// which report know none of their listeners.
class GameEvents : public QObject
{
    Q_OBJECT

Q_SIGNALS:
    // After every step, the one that ends the game included. The world holds what the step did:
    // the fruit that entered, the buildings and ponies that were hit, every unit's health.
    void stepped(const GameWorld& world);
    void ended(const GameWorld& world);
    // An information dialog stopped the game (true), or the game runs again (false).
    void pauseChanged(bool paused);
    void ponySummoned(const QString& code);
    void actionUsed(const QString& code);
    // The centres of the fruits that a summon struck, at the moment of the strike.
    void fruitsStruck(const QVector<QPoint>& centres);
};

#endif
