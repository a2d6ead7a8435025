#pragma once

#include "engine/DrawRecord.h"

#include <vector>

namespace quor3
{

// The search window's types, in the order of its radio group.
enum class SearchType {
    First = 0,
    Second,
    Third,
    FirstSecond,
    FirstThird,
    SecondThird,
    Exact,
    AnyOrder3,
    AnyOrder2,
    Anywhere1,
    Doubles
};

// Indexes of the matching draws in the order they are listed: every scan runs
// from the newest draw to the oldest; "Random (3)" scans six times, once per
// arrangement, and no draw is listed twice.
std::vector<std::size_t> searchDraws(const std::vector<DrawRecord>& draws, SearchType type, int s1, int s2, int s3);

} // namespace quor3
