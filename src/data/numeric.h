#ifndef NUMERIC_H
#define NUMERIC_H

#include <cmath>
#include <limits>

// Float-to-int conversions of values that data files can make absurd (huge rates, negative
// speeds, zero maximum health). A plain cast of an out-of-range, infinite or NaN float is
// undefined behaviour; these helpers truncate toward zero and saturate instead.

inline int truncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// Widget coordinates stay well inside int so that centre and corner sums cannot overflow.
constexpr int kPixelLimit = 1 << 24;

inline int truncateToPixel(double value)
{
    const int pixel = truncateToInt(value);
    if (pixel > kPixelLimit)
        return kPixelLimit;
    if (pixel < -kPixelLimit)
        return -kPixelLimit;
    return pixel;
}

// Width of a health bar: 0 for a unit without a positive maximum.
inline int barWidth(float health, int maxHealth, int fullWidth)
{
    if (maxHealth <= 0)
        return 0;
    const int width = truncateToInt(health / static_cast<float>(maxHealth) * fullWidth);
    return width < 0 ? 0 : width;
}

#endif
