#include "engine/Ranking.h"

#include <utility>

namespace quor3
{

Ranking rankDescending(const DigitValues& values, int places)
{
    Ranking r;
    r.values = values;
    for (int k = 0; k < 10; ++k)
        r.digits[k] = k;
    const int passes = places < 9 ? places : 9;
    for (int p = 0; p < passes; ++p) {
        int m = p;
        std::int32_t largest = r.values[p];
        for (int q = p + 1; q <= 9; ++q) {
            // A select rather than a branch: the outcome is as good as random.
            const bool greater = r.values[q] > largest;
            m = greater ? q : m;
            largest = greater ? r.values[q] : largest;
        }
        if (m != p) {
            std::swap(r.values[p], r.values[m]);
            std::swap(r.digits[p], r.digits[m]);
        }
    }
    return r;
}

} // namespace quor3
