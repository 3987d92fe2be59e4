#ifndef WAVESCRIPT_H
#define WAVESCRIPT_H

#include "waveentry.h"

#include <QList>
#include <QVector>

#include <queue>
#include <vector>

// The monster schedule, read once from "../config/monsterscript.dat".
// Each data line is "delay,code,entry point"; the delays add up to release times.
class WaveScript
{
public:
    WaveScript();
    explicit WaveScript(const QString& path);

    // Hands out the first entry in file order whose release time has come. `now` must never
    // decrease from one call to the next (it is the game's clock).
    bool takeDue(float now, int& x, int& y, QString& code);
    bool isFinished() const;
    int pendingCount() const { return remaining; }
    // When the entry handed out next may be released; a time already past while one is due.
    // Only meaningful while the schedule is not finished.
    float nextReleaseTime() const;
    // The entries not yet handed out, in file order.
    QList<WaveEntry> pendingEntries() const;

private:
    void load(const QString& path);
    void sortByTime();

    QVector<WaveEntry> entries; // file order, never shrinks
    QVector<bool> taken;
    // Indices of entries by release time (ties in file order); entries before the cursor are
    // due and wait in `due`, smallest file index on top.
    QVector<int> byTime;
    int cursor = 0;
    std::priority_queue<int, std::vector<int>, std::greater<int>> due;
    int remaining = 0;
};

#endif
