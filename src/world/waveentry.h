#ifndef WAVEENTRY_H
#define WAVEENTRY_H

#include <QString>

// One scheduled monster: its kind, its entry point and the game second it may enter from.
struct WaveEntry
{
    QString code;
    int x = 0;
    int y = 0;
    float releaseTime = 0;
};

#endif
