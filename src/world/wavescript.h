#ifndef WAVESCRIPT_H
#define WAVESCRIPT_H

#include "waveentry.h"

#include <QList>
#include <QPoint>
#include <QVector>

// The monster schedule, read once from "../config/monsterscript.dat".
// Each data line is "delay,code,entry point"; the delays add up to release times.
class WaveScript
{
public:
    WaveScript();

    bool takeDue(float now, int& x, int& y, QString& code);
    bool isFinished() const;
    QList<WaveEntry> pendingEntries() const { return entries; }

private:
    void load(const QString& path);

    QList<WaveEntry> entries;
    QVector<QPoint> spawnPoints;
};

#endif
