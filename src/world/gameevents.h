#ifndef GAMEEVENTS_H
#define GAMEEVENTS_H

#include <QObject>
#include <QPoint>
#include <QVector>

class GameWorld;

// What happened in the game, said by the room where it happened: the tick says each step, a
// pause and the end; the player's commands say a summon, an action and the fruits a summon
// struck. The sound and the pictures listen where the window wires them, so that the rooms
// which report know none of their listeners. The signals are private to this class (Qt's
// QPrivateSignal): a room calls the report that names what happened.
class GameEvents : public QObject
{
    Q_OBJECT

public:
    void reportStep(const GameWorld& world);
    void reportEnd(const GameWorld& world);
    void reportPause(bool paused);
    void reportSummon(const QString& code);
    void reportAction(const QString& code);
    void reportStrike(const QVector<QPoint>& centres);

Q_SIGNALS:
    // After every step, the one that ends the game included. The world holds what the step did:
    // the fruit that entered, the buildings and ponies that were hit, every unit's health.
    void stepped(const GameWorld& world, QPrivateSignal);
    void ended(const GameWorld& world, QPrivateSignal);
    // An information dialog stopped the game (true), or the game runs again (false).
    void pauseChanged(bool paused, QPrivateSignal);
    void ponySummoned(const QString& code, QPrivateSignal);
    void actionUsed(const QString& code, QPrivateSignal);
    // The centres of the fruits that a summon struck, at the moment of the strike.
    void fruitsStruck(const QVector<QPoint>& centres, QPrivateSignal);
};

#endif
