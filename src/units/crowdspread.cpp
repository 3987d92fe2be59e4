#include "crowdspread.h"

#include <algorithm>

namespace {
// A unit counts as covered when more than half of its picture lies under the other's.
bool covers(const QRect& upper, const QRect& lower)
{
    const QRect common = upper.intersected(lower);
    const qint64 commonArea = static_cast<qint64>(common.width()) * common.height();
    const qint64 lowerArea = static_cast<qint64>(lower.width()) * lower.height();
    return lowerArea > 0 && 2 * commonArea > lowerArea;
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
    const int anchor = lastFruit != crowd.rend() ? *lastFruit : crowd.front();
    std::vector<int> beside;
    for (const bool fruits : { false, true }) {
        for (int i : crowd) {
            if (i != anchor && units[i].fruit == fruits && static_cast<int>(beside.size()) < kMostShown - 1)
                beside.push_back(i);
        }
    }
    int widest = 0;
    for (int i : crowd)
        widest = std::max(widest, units[i].place.width());
    const QRect& place = units[anchor].place;
    const int step = widest + kGap;
    auto next = beside.begin();
    // Right, left, and further out, skipping the sides the field does not reach.
    for (int distance = 1; distance < kMostShown && next != beside.end(); ++distance) {
        for (const int side : { 1, -1 }) {
            const int shift = side * distance * step;
            if (next != beside.end() && fitsAt(place, shift))
                shifts[*next++] = shift;
        }
    }
}

bool CrowdSpread::fitsAt(const QRect& place, int shift) const
{
    return place.left() + shift >= 0 && place.right() + shift < fieldWidth;
}
