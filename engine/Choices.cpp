#include "engine/Choices.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace quor3
{

ClockSeededDigits::ClockSeededDigits()
    : generator_(
          static_cast<std::mt19937::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

int ClockSeededDigits::nextDigit()
{
    return digits_(generator_);
}

namespace
{

// The seed sequence spreads neighbouring seeds and streams over the whole
// state; both it and the generator are fixed by the language standard, so the
// digits are the same everywhere.
std::minstd_rand::result_type seededStart(std::uint32_t seed, std::uint32_t stream)
{
    std::seed_seq sequence{seed, stream};
    std::uint32_t word = 0;
    sequence.generate(&word, &word + 1);
    return word % (std::minstd_rand::modulus - 1) + 1;
}

} // namespace

ReproducibleDigits::ReproducibleDigits(std::uint32_t seed, std::uint32_t stream) : generator_(seededStart(seed, stream))
{
}

int ReproducibleDigits::nextDigit()
{
    // The generator gives 1 to 2^31 - 2; of these, 1 to 2147483640 fall evenly on the ten digits.
    constexpr std::minstd_rand::result_type evenTop = 2147483640;
    for (;;) {
        const auto value = generator_();
        if (value <= evenTop)
            return static_cast<int>((value - 1) % 10);
    }
}

namespace
{

Play play(const std::array<int, 10>& d, int i, int j, int k)
{
    return {d[i], d[j], d[k]};
}

// Hot, repeats: (0,1,2) (0,1,3) (1,2,3) (0,2,3) (0,1,4).
std::array<Play, 5> topPattern(const std::array<int, 10>& d)
{
    return {play(d, 0, 1, 2), play(d, 0, 1, 3), play(d, 1, 2, 3), play(d, 0, 2, 3), play(d, 0, 1, 4)};
}

} // namespace

std::array<Play, 5> ComputerChoices::ordinalPlays() const
{
    const auto& l = ordinal;
    return {Play{l[0], l[4], l[8]}, Play{l[1], l[5], l[9]}, Play{l[2], l[6], l[10]}, Play{l[3], l[7], l[11]},
            Play{l[0], l[5], l[10]}};
}

namespace
{

// Digits outside 0 to 9 are counted nowhere: they all go to one spare slot
// that no result reads, which spares the counting every test.
constexpr int Stray = 10;

int slotOf(std::int32_t d)
{
    return static_cast<std::uint32_t>(d) <= 9 ? d : Stray;
}

} // namespace

void ChoiceCounts::add(const DrawRecord& draw)
{
    const int a = slotOf(draw.Digit1), b = slotOf(draw.Digit2), c = slotOf(draw.Digit3);

    // The draw that leaves the last 15 gives its place to this one.
    auto& slot = recent_[static_cast<std::size_t>(recentNext_)];
    if (draws_ >= HotSpan) {
        --recentSums_[slot[0]];
        --recentSums_[slot[1]];
        --recentSums_[slot[2]];
    }
    slot = {a, b, c};
    ++recentSums_[a];
    ++recentSums_[b];
    ++recentSums_[c];
    recentNext_ = recentNext_ + 1 == HotSpan ? 0 : recentNext_ + 1;

    // 1, 3, 5, 7 and 9 are the odd slots; the stray slot is even.
    odd_ += (a & 1) + (b & 1) + (c & 1);

    ++positions_[0][a];
    ++positions_[1][b];
    ++positions_[2][c];

    ++pairs_[a][b];
    ++pairs_[b][a];
    ++pairs_[a][c];
    ++pairs_[c][a];
    ++pairs_[b][c];
    ++pairs_[c][b];
    staleLeaders_ |= 1u << a | 1u << b | 1u << c;

    // The draw before this one can now be judged: did its digits come up again here?
    if (draws_ > 0)
        for (int x : last_) {
            repeats_[x] += (x == a) | (x == b) | (x == c);
            ++trials_[x];
        }
    last_ = {a, b, c};
    ++draws_;
}

namespace
{

constexpr int SlotCount = Stray + 1;
constexpr int TripleCount = SlotCount * SlotCount * SlotCount;

constexpr int tripleOf(int a, int b, int c)
{
    return (a * SlotCount + b) * SlotCount + c;
}

// Repeats are counted in lanes of five bits, one per slot, eleven to a word,
// so that a draw costs one table look-up and no store per digit.
constexpr int LaneBits = 5;
constexpr std::uint64_t LaneMask = (std::uint64_t{1} << LaneBits) - 1;

constexpr std::uint64_t laneOne(int slot)
{
    return std::uint64_t{1} << (LaneBits * slot);
}

// Per triple of slots: `held`, how often each slot is in it; `drawn`, the
// lanes of the slots in it filled with ones.
struct TripleLanes {
    std::uint64_t held = 0, drawn = 0;
};

constexpr std::array<TripleLanes, TripleCount> makeTripleLanes()
{
    std::array<TripleLanes, TripleCount> table{};
    for (int a = 0; a < SlotCount; ++a)
        for (int b = 0; b < SlotCount; ++b)
            for (int c = 0; c < SlotCount; ++c) {
                TripleLanes& lanes = table[static_cast<std::size_t>(tripleOf(a, b, c))];
                lanes.held = laneOne(a) + laneOne(b) + laneOne(c);
                lanes.drawn = (laneOne(a) | laneOne(b) | laneOne(c)) * LaneMask;
            }
    return table;
}

constexpr std::array<TripleLanes, TripleCount> tripleLanes = makeTripleLanes();

// A lane gains at most three a draw: after ten draws it is still below 32.
// Their sums then go to lanes of ten bits, the even slots in one word and the
// odd in another, where 34 spans of ten draws reach at most 1020.
constexpr std::size_t LaneSpan = 10;
constexpr int SpansPerWideLane = 34;
constexpr std::uint64_t EvenLanes =
    LaneMask | LaneMask << 10 | LaneMask << 20 | LaneMask << 30 | LaneMask << 40 | LaneMask << 50;

} // namespace

void ChoiceCounts::addRecords(const char* records, std::size_t count)
{
    auto slotsAt = [records](std::size_t k) {
        const char* record = records + k * DrawRecordSize;
        return std::array<int, 3>{slotOf(storedDigit(record, 0)), slotOf(storedDigit(record, 1)),
                                  slotOf(storedDigit(record, 2))};
    };
    if (count == 0)
        return;
    // One counter per draw, for the triple of slots it holds; the pair table,
    // the position counts and the odd count all follow from these at the end,
    // since sums do not depend on the order they are made in.
    std::int32_t triples[TripleCount] = {};
    // The earlier draw's slots: lane x of `held` is how often x was in it,
    // and it scores that many repeats when x comes up again.
    std::uint64_t held =
        draws_ > 0 ? tripleLanes[static_cast<std::size_t>(tripleOf(last_[0], last_[1], last_[2]))].held : 0;
    std::int64_t hits[SlotCount] = {};
    std::uint64_t evenHits = 0, oddHits = 0;
    auto takeWideLanes = [&] {
        for (int k = 0; k < 6; ++k)
            hits[2 * k] += static_cast<std::int64_t>(evenHits >> (10 * k) & 1023);
        for (int k = 0; k < 5; ++k)
            hits[2 * k + 1] += static_cast<std::int64_t>(oddHits >> (10 * k) & 1023);
        evenHits = oddHits = 0;
    };
    int spans = 0;
    for (std::size_t i = 0; i < count;) {
        const std::size_t spanEnd = std::min(count, i + LaneSpan);
        std::uint64_t scored = 0;
        for (; i < spanEnd; ++i) {
            const auto [a, b, c] = slotsAt(i);
            const int t = tripleOf(a, b, c);
            ++triples[t];
            const TripleLanes& lanes = tripleLanes[static_cast<std::size_t>(t)];
            scored += held & lanes.drawn;
            held = lanes.held;
        }
        evenHits += scored & EvenLanes;
        oddHits += scored >> LaneBits & EvenLanes;
        if (++spans == SpansPerWideLane) {
            takeWideLanes();
            spans = 0;
        }
    }
    takeWideLanes();

    // Summing the triples over one position gives the draws of each pair of
    // the other two. Every cell is added, empty or not: cheaper than a test.
    std::int32_t ab[SlotCount][SlotCount] = {}, ac[SlotCount][SlotCount] = {}, bc[SlotCount][SlotCount] = {};
    for (int a = 0; a < SlotCount; ++a)
        for (int b = 0; b < SlotCount; ++b) {
            const std::int32_t* row = &triples[(a * SlotCount + b) * SlotCount];
            for (int c = 0; c < SlotCount; ++c) {
                ab[a][b] += row[c];
                ac[a][c] += row[c];
                bc[b][c] += row[c];
            }
        }
    Slots added[3] = {};
    for (int x = 0; x < SlotCount; ++x)
        for (int y = 0; y < SlotCount; ++y) {
            pairs_[x][y] += ab[x][y] + ab[y][x] + ac[x][y] + ac[y][x] + bc[x][y] + bc[y][x];
            added[0][x] += ab[x][y];
            added[1][y] += ab[x][y];
            added[2][y] += ac[x][y];
        }
    for (int p = 0; p < 3; ++p)
        for (int s = 0; s < SlotCount; ++s) {
            positions_[p][s] += added[p][s];
            odd_ += (s & 1) * static_cast<long long>(added[p][s]);
            if (added[p][s] != 0)
                staleLeaders_ |= 1u << s;
        }

    // Every draw but the last new one has been judged by the draw after it,
    // and so has the draw before the first new one, when there was one.
    const auto [la, lb, lc] = slotsAt(count - 1);
    for (int s = 0; s < SlotCount; ++s) {
        trials_[s] += added[0][s] + added[1][s] + added[2][s];
        repeats_[s] += static_cast<std::int32_t>(hits[s]);
    }
    --trials_[la];
    --trials_[lb];
    --trials_[lc];
    if (draws_ > 0)
        for (int x : last_)
            ++trials_[x];

    // The ring keeps each place's latest draw; its sums are made again from it.
    const long long total = draws_ + static_cast<long long>(count);
    for (std::size_t k = count > HotSpan ? count - HotSpan : 0; k < count; ++k) {
        const long long g = draws_ + static_cast<long long>(k);
        recent_[static_cast<std::size_t>(g % HotSpan)] = slotsAt(k);
    }
    recentNext_ = static_cast<int>(total % HotSpan);
    recentSums_ = {};
    const long long filled = total < HotSpan ? total : HotSpan;
    for (long long p = 0; p < filled; ++p)
        for (int x : recent_[static_cast<std::size_t>(p)])
            ++recentSums_[x];

    last_ = {la, lb, lc};
    draws_ = total;
}

DigitValues ChoiceCounts::recentCounts() const
{
    DigitValues counts;
    std::copy_n(recentSums_.begin(), 10, counts.begin());
    return counts;
}

std::array<DigitCounts, 3> ChoiceCounts::positionCounts() const
{
    std::array<DigitCounts, 3> counts;
    for (int p = 0; p < 3; ++p)
        std::copy_n(positions_[p].begin(), 10, counts[p].begin());
    return counts;
}

DigitCounts ChoiceCounts::pairRow(int digit) const
{
    DigitCounts row;
    for (int k = 0; k < 10; ++k)
        row[k] = k == digit ? pairs_[k][digit] / 2 : pairs_[k][digit];
    return row;
}

std::array<int, 2> ChoiceCounts::pairLeaders(int digit) const
{
    if (staleLeaders_ & 1u << digit) {
        const Ranking r = rankDescending(pairRow(digit), 2);
        leaders_[digit] = {r.digits[0], r.digits[1]};
        staleLeaders_ &= ~(1u << digit);
    }
    return leaders_[digit];
}

PairTable ChoiceCounts::pairTable() const
{
    PairTable table;
    for (int r = 0; r < 10; ++r)
        table[r] = pairRow(r);
    return table;
}

DigitRatios ChoiceCounts::repeatRatios() const
{
    // The stored form counts trials in single precision, where adding one
    // stops changing the count at 2^24.
    constexpr long long singlePrecisionCeiling = 1LL << 24;
    DigitRatios ratios{};
    for (int d = 0; d < 10; ++d) {
        const long long trials = std::min(trials_[d], singlePrecisionCeiling);
        ratios[d] = trials == 0 ? 0.0f : static_cast<float>(repeats_[d] / static_cast<double>(trials));
    }
    return ratios;
}

std::array<Play, 4> warmChoices(const HotRanking& h)
{
    return {play(h, 3, 4, 5), play(h, 3, 4, 6), play(h, 3, 5, 6), play(h, 4, 5, 6)};
}

std::array<Play, 5> hotChoices(const HotRanking& h)
{
    return topPattern(h);
}

std::array<Play, 5> coldChoices(const HotRanking& h)
{
    return {play(h, 9, 8, 7), play(h, 9, 8, 6), play(h, 8, 7, 6), play(h, 9, 7, 6), play(h, 9, 8, 5)};
}

std::array<Play, 5> oddEvenChoices(const HotRanking& h, bool oddParity, RandomDigits& random)
{
    const int wanted = oddParity ? 1 : 0;
    auto draw = [&] {
        int digit;
        do {
            digit = random.nextDigit();
        } while (digit < 0 || digit > 9 || digit % 2 != wanted);
        return digit;
    };
    std::array<Play, 5> plays;
    for (int k = 0; k < 5; ++k) {
        plays[k].first = draw();
        plays[k].second = draw();
        plays[k].third = h[k];
    }
    return plays;
}

std::array<int, 12> ordinalPicks(const std::array<DigitCounts, 3>& positionCounts)
{
    std::array<int, 12> picks;
    for (int p = 0; p < 3; ++p) {
        const Ranking r = rankDescending(positionCounts[p], 4);
        for (int k = 0; k < 4; ++k)
            picks[4 * p + k] = r.digits[k];
    }
    return picks;
}

std::array<Play, 4> pairsChoices(const HotRanking& h, const PairTable& pairTable)
{
    std::array<Play, 4> plays;
    for (int k = 0; k < 4; ++k) {
        const int w = h[3 + k];
        const Ranking r = rankDescending(pairTable[static_cast<std::size_t>(w)], 2);
        plays[k] = {r.digits[0], r.digits[1], w};
    }
    return plays;
}

int repeatPercentage(float ratio)
{
    const float percent = ratio * 100.0f;
    if (!std::isfinite(percent))
        return 0;
    const float rounded = std::nearbyint(percent); // halves go to the even neighbour
    if (rounded > 2147483520.0f)
        return 2147483520;
    if (rounded < -2147483520.0f)
        return -2147483520;
    return static_cast<int>(rounded);
}

std::array<Play, 5> repeatsChoices(const DigitRatios& ratios)
{
    DigitValues percentages;
    for (int d = 0; d < 10; ++d)
        percentages[d] = repeatPercentage(ratios[d]);
    return topPattern(rankDescending(percentages, 5).digits);
}

HotRanking hotRanking(const ChoiceCounts& counts)
{
    return rankDescending(counts.recentCounts()).digits;
}

ComputerChoices makeChoices(const ChoiceCounts& counts, RandomDigits& random)
{
    const HotRanking h = hotRanking(counts);
    ComputerChoices c;
    c.warm = warmChoices(h);
    c.hot = hotChoices(h);
    c.cold = coldChoices(h);
    c.oddEven = oddEvenChoices(h, counts.oddParity(), random);
    c.ordinal = ordinalPicks(counts.positionCounts());
    for (int k = 0; k < 4; ++k) {
        const int w = h[3 + k];
        const auto leaders = counts.pairLeaders(w);
        c.pairs[k] = {leaders[0], leaders[1], w};
    }
    c.repeats = repeatsChoices(counts.repeatRatios());
    return c;
}

std::vector<std::string> ordinalFileLines(const std::array<int, 12>& picks)
{
    std::vector<std::string> lines;
    lines.reserve(12);
    for (int digit : picks)
        lines.push_back(std::to_string(digit));
    return lines;
}

std::vector<std::string> ordinalRows(const std::vector<std::string>& ordinalFileLines)
{
    auto pick = [&](int line) -> std::string {
        if (line - 1 < static_cast<int>(ordinalFileLines.size()) && !ordinalFileLines[line - 1].empty())
            return ordinalFileLines[line - 1].substr(0, 1);
        return std::string();
    };
    auto row = [&](int a, int b, int c) { return pick(a) + "  " + pick(b) + "  " + pick(c); };
    return {row(1, 5, 9), row(2, 6, 10), row(3, 7, 11), row(4, 8, 12), row(1, 6, 11)};
}

} // namespace quor3
