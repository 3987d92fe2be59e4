#include "crowdspread.h"

#include <algorithm>

namespace {
// A unit counts as covered when more than a quarter of its picture lies under the other's: a pony
// that stopped beside the fruit she fights already hides its face.
bool covers(const QRect& upper, const QRect& lower)
{
    const QRect common = upper.intersected(lower);
    const qint64 commonArea = static_cast<qint64>(common.width()) * common.height();
    const qint64 lowerArea = static_cast<qint64>(lower.width()) * lower.height();
    return lowerArea > 0 && 4 * commonArea > lowerArea;
}
}

bool CrowdSpread::onEachOther(const QRect& a, const QRect& b)
{
    return covers(a, b) || covers(b, a);
}

CrowdSpread::CrowdSpread(int fieldWidth)
    : fieldWidth(fieldWidth)
{
}

const std::vector<int>& CrowdSpread::shiftsFor(const std::vector<Unit>& units)
{
    shifts.assign(units.size(), 0);
    placed.assign(units.size(), false);
    findCrowds(units);
    for (const std::vector<int>& crowd : crowds) {
        if (crowd.size() > 1)
            spread(units, crowd);
    }
    return shifts;
}

// Crowds are few and small; a step compares each standing unit with those before it once.
void CrowdSpread::findCrowds(const std::vector<Unit>& units)
{
    const int count = static_cast<int>(units.size());
    link.resize(units.size());
    for (int i = 0; i < count; ++i) {
        link[i] = i;
        if (!units[i].standing)
            continue;
        for (int j = 0; j < i; ++j) {
            if (units[j].standing && onEachOther(units[i].place, units[j].place))
                link[crowdOf(i)] = crowdOf(j);
        }
    }
    for (std::vector<int>& crowd : crowds)
        crowd.clear();
    crowds.resize(units.size());
    for (int i = 0; i < count; ++i) {
        if (units[i].standing)
            crowds[crowdOf(i)].push_back(i);
    }
}

int CrowdSpread::crowdOf(int unit)
{
    while (link[unit] != unit)
        unit = link[unit] = link[link[unit]];
    return unit;
}

void CrowdSpread::spread(const std::vector<Unit>& units, const std::vector<int>& crowd)
{
    const auto lastFruit = std::find_if(crowd.rbegin(), crowd.rend(), [&units](int i) { return units[i].fruit; });
    const bool fruitAnchors = lastFruit != crowd.rend();
    shown.clear();
    if (fruitAnchors)
        shown.push_back(*lastFruit);
    for (const bool fruits : { false, true }) {
        for (int i : crowd) {
            if (units[i].fruit == fruits && !(fruitAnchors && i == *lastFruit) && static_cast<int>(shown.size()) < kMostShown)
                shown.push_back(i);
        }
    }
    int widest = 0;
    for (int i : crowd)
        widest = std::max(widest, units[i].place.width());
    findSeats(units[shown.front()].place, widest + kGap);
    // A unit keeps the slot it is drawn in while it is free, so that the pictures stay put while
    // the crowd changes; the fruit a crowd gathers at keeps its own place.
    const auto first = shown.begin() + (fruitAnchors ? 1 : 0);
    if (fruitAnchors)
        takeSeat(shown.front(), 0);
    for (auto i = first; i != shown.end(); ++i) {
        const int before = units[*i].drawnShift;
        if (!(fruitAnchors && before == 0) && seatFree(before))
            takeSeat(*i, before);
    }
    for (auto i = first; i != shown.end(); ++i) {
        if (!placed[*i])
            takeSeat(*i, firstFreeSeat());
    }
}

// Its own place, then right, left, and further out, skipping the sides the field does not reach.
void CrowdSpread::findSeats(const QRect& place, int step)
{
    seats.clear();
    for (int distance = 0; distance < kMostShown; ++distance) {
        for (const int side : { 1, -1 }) {
            const int shift = side * distance * step;
            if (fitsAt(place, shift) && !(distance == 0 && side < 0))
                seats.push_back({ shift, false });
        }
    }
}

bool CrowdSpread::seatFree(int shift) const
{
    return std::any_of(seats.begin(), seats.end(), [shift](const Seat& seat) { return seat.shift == shift && !seat.taken; });
}

int CrowdSpread::firstFreeSeat() const
{
    const auto free = std::find_if(seats.begin(), seats.end(), [](const Seat& seat) { return !seat.taken; });
    return free != seats.end() ? free->shift : 0;
}

void CrowdSpread::takeSeat(int unit, int shift)
{
    for (Seat& seat : seats) {
        if (seat.shift == shift)
            seat.taken = true;
    }
    shifts[unit] = shift;
    placed[unit] = true;
}

bool CrowdSpread::fitsAt(const QRect& place, int shift) const
{
    return place.left() + shift >= 0 && place.right() + shift < fieldWidth;
}
