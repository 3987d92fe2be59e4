#include "gameevents.h"

void GameEvents::reportStep(const GameWorld& world)
{
    Q_EMIT stepped(world, QPrivateSignal());
}

void GameEvents::reportEnd(const GameWorld& world)
{
    Q_EMIT ended(world, QPrivateSignal());
}

void GameEvents::reportPause(bool paused)
{
    Q_EMIT pauseChanged(paused, QPrivateSignal());
}

void GameEvents::reportSummon(const QString& code)
{
    Q_EMIT ponySummoned(code, QPrivateSignal());
}

void GameEvents::reportAction(const QString& code)
{
    Q_EMIT actionUsed(code, QPrivateSignal());
}

void GameEvents::reportStrike(const QVector<QPoint>& centres)
{
    Q_EMIT fruitsStruck(centres, QPrivateSignal());
}
