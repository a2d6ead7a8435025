#pragma once

#include <array>
#include <cstdint>

namespace quor3
{

using DigitValues = std::array<std::int32_t, 10>;

struct Ranking {
    std::array<int, 10> digits; // largest value first
    DigitValues values;         // the values in that order
};

// Selection sort with exchanges, strictly greater wins: the order it leaves
// equal values in is part of what the user sees, so it must not be replaced
// by a stable sort.
Ranking rankDescending(const DigitValues& values);

} // namespace quor3
