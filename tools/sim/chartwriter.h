#ifndef CHARTWRITER_H
#define CHARTWRITER_H

#include <QString>
#include <QVector>

class GameWorld;

// Records the course of a game and draws it as a PNG line chart in two panels: the stores
// (magic, food, stone) above, the weakest building and the number of monsters below.
class ChartWriter
{
public:
    void sample(const GameWorld& world, float lowestBuilding);
    bool write(const QString& path, const QString& title) const;

private:
    struct Sample
    {
        float time;
        float values[5];
    };
    QVector<Sample> samples;
};

#endif
