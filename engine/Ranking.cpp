#include "engine/Ranking.h"

#include <utility>

namespace quor3
{

Ranking rankDescending(const DigitValues& values)
{
    Ranking r;
    r.values = values;
    for (int k = 0; k < 10; ++k)
        r.digits[k] = k;
    for (int p = 0; p <= 8; ++p) {
        int m = p;
        for (int q = p + 1; q <= 9; ++q)
            if (r.values[q] > r.values[m])
                m = q;
        if (m != p) {
            std::swap(r.values[p], r.values[m]);
            std::swap(r.digits[p], r.digits[m]);
        }
    }
    return r;
}

} // namespace quor3
