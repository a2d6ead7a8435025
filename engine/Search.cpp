#include "engine/Search.h"

namespace quor3
{

std::vector<std::size_t> searchDraws(const std::vector<DrawRecord>& draws, SearchType type, int s1, int s2, int s3)
{
    std::vector<std::size_t> found;
    std::vector<bool> listed(draws.size(), false);
    auto scan = [&](auto matches, bool useFlags) {
        for (std::size_t k = draws.size(); k-- > 0;) {
            const auto& r = draws[k];
            if (useFlags && listed[k])
                continue;
            if (matches(r.Digit1, r.Digit2, r.Digit3)) {
                found.push_back(k);
                listed[k] = true;
            }
        }
    };
    switch (type) {
    case SearchType::First: scan([&](int d1, int, int) { return d1 == s1; }, false); break;
    case SearchType::Second: scan([&](int, int d2, int) { return d2 == s2; }, false); break;
    case SearchType::Third: scan([&](int, int, int d3) { return d3 == s3; }, false); break;
    case SearchType::FirstSecond: scan([&](int d1, int d2, int) { return d1 == s1 && d2 == s2; }, false); break;
    case SearchType::FirstThird: scan([&](int d1, int, int d3) { return d1 == s1 && d3 == s3; }, false); break;
    case SearchType::SecondThird: scan([&](int, int d2, int d3) { return d2 == s2 && d3 == s3; }, false); break;
    case SearchType::Exact:
        scan([&](int d1, int d2, int d3) { return d1 == s1 && d2 == s2 && d3 == s3; }, false);
        break;
    case SearchType::AnyOrder3:
        scan([&](int d1, int d2, int d3) { return d1 == s1 && d2 == s2 && d3 == s3; }, true);
        scan([&](int d1, int d2, int d3) { return d1 == s1 && d3 == s2 && d2 == s3; }, true);
        scan([&](int d1, int d2, int d3) { return d2 == s1 && d1 == s2 && d3 == s3; }, true);
        scan([&](int d1, int d2, int d3) { return d2 == s1 && d3 == s2 && d1 == s3; }, true);
        scan([&](int d1, int d2, int d3) { return d3 == s1 && d1 == s2 && d2 == s3; }, true);
        scan([&](int d1, int d2, int d3) { return d3 == s1 && d2 == s2 && d1 == s3; }, true);
        break;
    case SearchType::AnyOrder2:
        scan(
            [&](int d1, int d2, int d3) {
                return (d1 == s1 && d2 == s2) || (d1 == s1 && d3 == s2) || (d2 == s1 && d3 == s2) ||
                       (d1 == s2 && d2 == s1) || (d1 == s2 && d3 == s1) || (d2 == s2 && d3 == s1);
            },
            true);
        break;
    case SearchType::Anywhere1:
        scan([&](int d1, int d2, int d3) { return d1 == s1 || d2 == s1 || d3 == s1; }, false);
        break;
    case SearchType::Doubles:
        scan([&](int d1, int d2, int d3) { return d1 == d2 || d1 == d3 || d2 == d3; }, true);
        break;
    }
    return found;
}

} // namespace quor3
