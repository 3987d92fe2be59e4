#ifndef CROWDSPREAD_H
#define CROWDSPREAD_H

#include <QRect>

#include <vector>

// How the pictures of units standing on each other are spread out side by side, so that a
// player sees every member of a fight at a glance. Units whose pictures cover more than a quarter
// of each other's form a crowd. A crowd's last fruit keeps its place: a click on the crowd's
// point reaches it. The ponies, then the other fruits, in the order they came, are drawn beside
// it, right and left in turn and further out, a picture's width and a bar's height apart, as far
// as the field reaches. A unit keeps the slot it is drawn in while the crowd changes, so that no
// picture jumps under the player's mouse. Only the pictures move: a unit's place, which the rules
// use, stays where it is. A crowd of more than kMostShown keeps the rest where they stand: a
// horde reads as a horde, and the field stays cheap to draw.
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
        // How far sideways it is drawn now.
        int drawnShift;
    };

    explicit CrowdSpread(int fieldWidth);

    // Pictures of which one covers more than a quarter of the other.
    static bool onEachOther(const QRect& a, const QRect& b);

    // The sideways shift of each unit's picture, in the order given; walking units are never
    // shifted. Reuses the memory of the last call.
    const std::vector<int>& shiftsFor(const std::vector<Unit>& units);

private:
    void findCrowds(const std::vector<Unit>& units);
    int crowdOf(int unit);
    void spread(const std::vector<Unit>& units, const std::vector<int>& crowd);
    void findSeats(const QRect& place, int step);
    bool seatFree(int shift) const;
    int firstFreeSeat() const;
    void takeSeat(int unit, int shift);
    bool fitsAt(const QRect& place, int shift) const;

    struct Seat
    {
        int shift;
        bool taken;
    };

    int fieldWidth;
    std::vector<int> shifts;
    std::vector<bool> placed;
    // Of the crowd being spread: those drawn, and the shifts they may take.
    std::vector<int> shown;
    std::vector<Seat> seats;
    // Each unit's link towards the first unit of its crowd.
    std::vector<int> link;
    std::vector<std::vector<int>> crowds;
};

#endif
