#ifndef BARFAN_H
#define BARFAN_H

#include "dataschema.h"

#include <QRect>

#include <climits>
#include <vector>

// Where the health bars of a crowd go: each bar, in the order given, takes the lowest place at
// or above its own, in steps of its height, where it covers no bar placed before it, so that the
// bars of units standing on each other fan upwards and all stay in sight. A bar that finds no
// free place within kMaxLift steps keeps its own place. Runs once a tick over every unit: the
// bars are filed in a grid over the field, and a layout reuses the memory of the last.
class BarFan
{
public:
    // Eight bars fanned over a 40 px unit still lie on the unit's own picture.
    static constexpr int kMaxLift = 7;

    // The grid covers the field and a margin around it; bars beyond it are filed at its edge.
    explicit BarFan(const QSize& field = QSize(DataSchema::kFieldWidth, DataSchema::kFieldHeight));

    // Forgets the bars placed so far.
    void clear();
    // A bar that never moves, such as a building's: the others keep clear of it.
    void block(const QRect& rect);
    // The steps a bar of the given place is lifted by; the place it then takes is kept clear.
    int liftFor(const QRect& rect, int step);

private:
    struct Placed
    {
        int left;
        int top;
        int right;
        int bottom;
        int next;
    };

    static constexpr int kFree = INT_MAX;
    // The top of the highest placed bar that the rectangle overlaps, kFree if none.
    int highestOverlap(int left, int top, int right, int bottom) const;
    void occupy(int left, int top, int right, int bottom);
    int columnOf(int x) const;
    int rowOf(int y) const;

    int columns;
    int rows;
    std::vector<int> firstInCell;
    std::vector<Placed> placed;
    // Bars wider or taller than a cell (a building's) are few and tested one by one.
    std::vector<Placed> large;
};

#endif
