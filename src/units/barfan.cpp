#include "barfan.h"

#include <QSize>

#include <algorithm>
#include <climits>

namespace {
// A unit's bar (40 x 5) touches at most two columns and two rows of cells.
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 8;
constexpr int kMargin = 128;
}

BarFan::BarFan(const QSize& field)
    : columns((std::max(field.width(), 0) + 2 * kMargin) / kCellWidth + 1)
    , rows((std::max(field.height(), 0) + 2 * kMargin) / kCellHeight + 1)
    , firstInCell(static_cast<size_t>(columns) * static_cast<size_t>(rows), -1)
{
}

void BarFan::clear()
{
    std::fill(firstInCell.begin(), firstInCell.end(), -1);
    placed.clear();
    large.clear();
}

void BarFan::block(const QRect& rect)
{
    if (!rect.isEmpty())
        occupy(rect.left(), rect.top(), rect.right(), rect.bottom());
}

int BarFan::liftFor(const QRect& rect, int step)
{
    if (rect.isEmpty() || step <= 0)
        return 0;
    int lift = 0;
    while (lift <= kMaxLift) {
        const int top = rect.top() - lift * step;
        const int bottom = rect.bottom() - lift * step;
        const int blockingTop = highestOverlap(rect.left(), top, rect.right(), bottom);
        if (blockingTop == kFree) {
            occupy(rect.left(), top, rect.right(), bottom);
            return lift;
        }
        // Straight past the highest bar in the way: the places between would hit it too.
        lift += (bottom - blockingTop) / step + 1;
    }
    occupy(rect.left(), rect.top(), rect.right(), rect.bottom());
    return 0;
}

int BarFan::columnOf(int x) const
{
    // In 64 bits: a unit far off the field must not overflow the shift by the margin.
    const long long column = (static_cast<long long>(x) + kMargin) / kCellWidth;
    return static_cast<int>(std::clamp(column, 0LL, static_cast<long long>(columns - 1)));
}

int BarFan::rowOf(int y) const
{
    const long long row = (static_cast<long long>(y) + kMargin) / kCellHeight;
    return static_cast<int>(std::clamp(row, 0LL, static_cast<long long>(rows - 1)));
}

int BarFan::highestOverlap(int left, int top, int right, int bottom) const
{
    int highest = kFree;
    const auto test = [&](const Placed& p) {
        if (p.left <= right && left <= p.right && p.top <= bottom && top <= p.bottom && p.top < highest)
            highest = p.top;
    };
    for (const Placed& p : large)
        test(p);
    const int firstColumn = columnOf(left);
    const int lastColumn = columnOf(right);
    const int lastRow = rowOf(bottom);
    for (int row = rowOf(top); row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            for (int i = firstInCell[row * columns + column]; i >= 0; i = placed[i].next)
                test(placed[i]);
        }
    }
    return highest;
}

// A bar no larger than a cell is filed in each cell it touches, at most four, so that a search of
// the cells that a later bar touches finds it.
void BarFan::occupy(int left, int top, int right, int bottom)
{
    if (right - left >= kCellWidth || bottom - top >= kCellHeight) {
        large.push_back({ left, top, right, bottom, -1 });
        return;
    }
    const int lastColumn = columnOf(right);
    const int lastRow = rowOf(bottom);
    for (int row = rowOf(top); row <= lastRow; ++row) {
        for (int column = columnOf(left); column <= lastColumn; ++column) {
            int& first = firstInCell[row * columns + column];
            placed.push_back({ left, top, right, bottom, first });
            first = static_cast<int>(placed.size()) - 1;
        }
    }
}
