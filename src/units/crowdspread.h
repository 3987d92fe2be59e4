#ifndef CROWDSPREAD_H
#define CROWDSPREAD_H

#include <QRect>

#include <vector>

// How the pictures of units standing on each other are spread out side by side, so that a
// player sees every member of a fight at a glance. Units whose pictures cover more than half of
// each other's form a crowd. A crowd's anchor keeps its place: its last fruit, the one a click on
// the crowd's point reaches, or, with no fruit, the unit that came first. The ponies, then the
// other fruits, in the order they came, are drawn beside it, right and left in turn and further
// out, a picture's width and a bar's height apart, as far as the field reaches. Only the pictures
// move: a unit's place, which the rules use, stays where it is. A crowd of more than kMostShown
// keeps the rest on the anchor: a horde reads as a horde, and the field stays cheap to draw.
class CrowdSpread
{
public:
    static constexpr int kMostShown = 5;
    static constexpr int kGap = 6;

    struct Unit
    {
        QRect place;
        bool fruit;
        bool standing;
    };

    explicit CrowdSpread(int fieldWidth);

    // Pictures of which one covers more than half of the other.
    static bool onEachOther(const QRect& a, const QRect& b);

    // The sideways shift of each unit's picture, in the order given; walking units are never
    // shifted. Reuses the memory of the last call.
    const std::vector<int>& shiftsFor(const std::vector<Unit>& units);

private:
    void findCrowds(const std::vector<Unit>& units);
    int crowdOf(int unit);
    void spread(const std::vector<Unit>& units, const std::vector<int>& crowd);
    bool fitsAt(const QRect& place, int shift) const;

    int fieldWidth;
    std::vector<int> shifts;
    // Each unit's link towards the first unit of its crowd.
    std::vector<int> link;
    std::vector<std::vector<int>> crowds;
};

#endif
