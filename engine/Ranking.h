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
// by a stable sort. Each pass settles one place for good, so when only the
// first `places` places are wanted the later passes are skipped; the places
// after them are then in no particular order.
Ranking rankDescending(const DigitValues& values, int places = 10);

} // namespace quor3
