#include "Model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace model
{

namespace
{

// --- Bytes and text ---

void putInt(std::string& out, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((u >> shift) & 0xFF);
}

void putFloat(std::string& out, float v)
{
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    putInt(out, static_cast<std::int32_t>(u));
}

void putDouble(std::string& out, double v)
{
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int shift = 0; shift < 64; shift += 8)
        out += static_cast<char>((u >> shift) & 0xFF);
}

std::uint64_t getUnsigned(const std::string& in, std::size_t at, int bytes)
{
    std::uint64_t u = 0;
    for (int k = bytes - 1; k >= 0; --k)
        u = (u << 8) | static_cast<unsigned char>(in[at + k]);
    return u;
}

std::string textFile(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char ch : text) {
        if (ch == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += ch;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::string triple(int a, int b, int c)
{
    return std::to_string(a) + "  " + std::to_string(b) + "  " + std::to_string(c);
}

// --- Dates ---

bool leap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int monthLength(int y, int m)
{
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : lengths[m - 1];
}

// --- The rules ---

bool isDigit(std::int32_t d)
{
    return d >= 0 && d <= 9;
}

// Selection sort with exchanges; the largest value first.
std::array<int, 10> rankDescending(std::array<std::int32_t, 10> v)
{
    std::array<int, 10> digits = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int p = 0; p <= 8; ++p) {
        int m = p;
        for (int q = p + 1; q <= 9; ++q)
            if (v[q] > v[m])
                m = q;
        if (m != p) {
            std::swap(v[p], v[m]);
            std::swap(digits[p], digits[m]);
        }
    }
    return digits;
}

// The hot list's pattern, also used by the repeats list.
std::vector<std::string> hotPattern(const std::array<int, 10>& d)
{
    return {triple(d[0], d[1], d[2]), triple(d[0], d[1], d[3]), triple(d[1], d[2], d[3]), triple(d[0], d[2], d[3]),
            triple(d[0], d[1], d[4])};
}

} // namespace

std::string databaseBytes(const std::vector<Draw>& draws)
{
    std::string out;
    for (const auto& d : draws) {
        putDouble(out, d.day);
        putInt(out, d.first);
        putInt(out, d.second);
        putInt(out, d.third);
        for (auto b : d.reserved)
            out += static_cast<char>(b);
    }
    return out;
}

std::vector<Draw> drawsOf(const std::string& bytes)
{
    std::vector<Draw> draws;
    for (std::size_t at = 0; at + 24 <= bytes.size(); at += 24) {
        Draw d;
        const std::uint64_t day = getUnsigned(bytes, at, 8);
        std::memcpy(&d.day, &day, 8);
        d.first = static_cast<std::int32_t>(getUnsigned(bytes, at + 8, 4));
        d.second = static_cast<std::int32_t>(getUnsigned(bytes, at + 12, 4));
        d.third = static_cast<std::int32_t>(getUnsigned(bytes, at + 16, 4));
        for (int k = 0; k < 4; ++k)
            d.reserved[k] = static_cast<std::uint8_t>(bytes[at + 20 + k]);
        draws.push_back(d);
    }
    return draws;
}

std::string monthDayYear(double dayNumber)
{
    // Day 2 is 1 January 1900; walk whole years, then whole months.
    long long n = static_cast<long long>(dayNumber) - 2;
    int y = 1900;
    while (n < 0)
        n += leap(--y) ? 366 : 365;
    while (n >= (leap(y) ? 366 : 365))
        n -= leap(y++) ? 366 : 365;
    int m = 1;
    while (n >= monthLength(y, m))
        n -= monthLength(y, m++);
    return std::to_string(m) + "/" + std::to_string(n + 1) + "/" + std::to_string(y);
}

Rebuilt rebuild(const std::vector<Draw>& draws, const std::function<int()>& nextDigit)
{
    Rebuilt out;
    const long long n = static_cast<long long>(draws.size());
    out.panels[0] = "Total Draws: " + std::to_string(n);
    out.panels[1] = "Last Draw Date: " + monthDayYear(draws.back().day);

    // The trace window: one record per draw of the last 90.
    std::vector<std::array<std::int32_t, 10>> freq;
    for (long long i = n > 90 ? n - 90 : 0; i < n; ++i) {
        std::array<std::int32_t, 10> counts{};
        for (std::int32_t d : {draws[i].first, draws[i].second, draws[i].third})
            if (isDigit(d))
                ++counts[d];
        freq.push_back(counts);
    }
    for (const auto& record : freq)
        for (std::int32_t v : record)
            putInt(out.files["freq.dat"], v);

    // The hot ranking over the last 15 of those records.
    std::array<std::int32_t, 10> sums{};
    for (std::size_t r = freq.size() > 15 ? freq.size() - 15 : 0; r < freq.size(); ++r)
        for (int d = 0; d < 10; ++d)
            sums[d] += freq[r][d];
    const std::array<int, 10> h = rankDescending(sums);
    out.hotRanking = h;
    std::vector<std::string> hottest, warm;
    for (int k = 0; k < 5; ++k)
        hottest.push_back(std::to_string(h[k]));
    for (int k = 3; k < 7; ++k)
        warm.push_back(std::to_string(h[k]));
    out.files["hottest.dat"] = textFile(hottest);
    out.files["warm.dat"] = textFile(warm);
    out.panels[2] = "Hottest Number: " + std::to_string(h[0]);
    out.files["wm.dat"] = textFile(
        {triple(h[3], h[4], h[5]), triple(h[3], h[4], h[6]), triple(h[3], h[5], h[6]), triple(h[4], h[5], h[6])});
    out.files["hot.dat"] = textFile(hotPattern(h));
    out.files["cold.dat"] = textFile({triple(h[9], h[8], h[7]), triple(h[9], h[8], h[6]), triple(h[8], h[7], h[6]),
                                      triple(h[9], h[7], h[6]), triple(h[9], h[8], h[5])});
    out.panels[3] = "Coldest Number: " + std::to_string(h[9]);

    // Odd/even: whatever is not 1, 3, 5, 7 or 9 counts as even.
    long long odd = 0, even = 0;
    for (const auto& draw : draws)
        for (std::int32_t d : {draw.first, draw.second, draw.third})
            (d == 1 || d == 3 || d == 5 || d == 7 || d == 9 ? odd : even) += 1;
    const int parity = odd > even ? 1 : 0;
    auto digitOfParity = [&] {
        int d;
        do
            d = nextDigit();
        while (d % 2 != parity);
        return d;
    };
    std::vector<std::string> oddEven;
    for (int k = 0; k < 5; ++k) {
        const int a = digitOfParity();
        const int b = digitOfParity();
        oddEven.push_back(triple(a, b, h[k]));
    }
    out.files["oddeven.dat"] = textFile(oddEven);

    // Position counts and the four most frequent digits of each position.
    std::array<std::array<std::int32_t, 10>, 3> order{};
    for (const auto& draw : draws) {
        const std::int32_t digits[3] = {draw.first, draw.second, draw.third};
        for (int p = 0; p < 3; ++p)
            if (isDigit(digits[p]))
                ++order[p][digits[p]];
    }
    std::vector<std::string> ordinal;
    for (const auto& position : order) {
        for (std::int32_t v : position)
            putInt(out.files["order.dat"], v);
        const auto ranked = rankDescending(position);
        for (int k = 0; k < 4; ++k)
            ordinal.push_back(std::to_string(ranked[k]));
    }
    out.files["ordinal.dat"] = textFile(ordinal);

    // The pair table.
    std::int32_t m[10][10] = {};
    for (const auto& draw : draws) {
        const std::int32_t pairs[3][2] = {
            {draw.first, draw.second}, {draw.first, draw.third}, {draw.second, draw.third}};
        for (const auto& p : pairs)
            if (isDigit(p[0]) && isDigit(p[1])) {
                ++m[p[0]][p[1]];
                ++m[p[1]][p[0]];
            }
    }
    for (int d = 0; d < 10; ++d)
        m[d][d] /= 2;
    for (int r = 0; r < 10; ++r)
        for (int k = 0; k < 10; ++k)
            putInt(out.files["pair.dat"], m[k][r]);
    std::vector<std::string> pairsList;
    for (int k = 3; k < 7; ++k) {
        const int w = h[k];
        std::array<std::int32_t, 10> row{};
        for (int d = 0; d < 10; ++d)
            row[d] = m[w][d];
        const auto ranked = rankDescending(row);
        pairsList.push_back(triple(ranked[0], ranked[1], w));
    }
    out.files["pr.dat"] = textFile(pairsList);

    // Repeats: a digit of draw i that is among the three digits of draw i+1.
    float trials[10] = {};
    std::int32_t repeats[10] = {};
    for (long long i = 0; i + 1 < n; ++i) {
        const Draw& next = draws[i + 1];
        for (std::int32_t x : {draws[i].first, draws[i].second, draws[i].third}) {
            if (!isDigit(x))
                continue;
            trials[x] += 1.0f;
            if (x == next.first || x == next.second || x == next.third)
                ++repeats[x];
        }
    }
    std::array<std::int32_t, 10> percent{};
    for (int d = 0; d < 10; ++d) {
        const float ratio = trials[d] == 0.0f ? 0.0f : static_cast<float>(repeats[d]) / trials[d];
        putFloat(out.files["repeat.dat"], ratio);
        const float times100 = ratio * 100.0f;
        percent[d] = static_cast<std::int32_t>(std::nearbyint(times100));
    }
    out.files["repeats.dat"] = textFile(hotPattern(rankDescending(percent)));
    return out;
}

Checked checkWinners(const Files& files, const std::optional<std::string>& log, const std::string& databaseName, int a,
                     int b, int c, int year, int month, int day)
{
    struct Category {
        const char* file;
        int lines;
        const char* heading;
        const char* logText;
    };
    const Category categories[] = {{"hot.dat", 5, "Hot Category: ", "Hot Category "},
                                   {"cold.dat", 5, "Cold Category: ", "Cold Category "},
                                   {"wm.dat", 4, "Warm Category: ", "Warm Category "},
                                   {"oddeven.dat", 5, "Odd/Even Category: ", "Odd/Even Category "},
                                   {"ordinal.dat", 12, "Ordinal Category: ", "Ordinal Category "},
                                   {"pr.dat", 4, "Pairs Category: ", "Pairs Category "},
                                   {"repeats.dat", 5, "% Repeats Category: ", "% Repeats Category "}};
    const std::string date = std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
    std::array<int, 3> drawn = {a, b, c};
    std::sort(drawn.begin(), drawn.end());

    Checked out;
    out.log = log;
    for (const Category& category : categories) {
        const auto file = files.find(category.file);
        if (file == files.end())
            continue;
        std::vector<std::string> lines = linesOf(file->second);
        lines.resize(category.lines);
        std::vector<std::string> choices;
        if (category.lines == 12) {
            auto l = [&](int k) { return lines[k - 1].substr(0, 1); };
            choices = {l(1) + "  " + l(5) + "  " + l(9), l(2) + "  " + l(6) + "  " + l(10),
                       l(3) + "  " + l(7) + "  " + l(11), l(4) + "  " + l(8) + "  " + l(12),
                       l(1) + "  " + l(6) + "  " + l(11)};
        } else {
            for (const auto& line : lines)
                choices.push_back(line.substr(0, 7));
        }
        for (const auto& choice : choices) {
            std::array<int, 3> offered{};
            for (int k = 0; k < 3; ++k) {
                const std::string piece = choice.size() > 3u * k ? choice.substr(3 * k, 1) : "";
                if (piece.size() != 1 || piece[0] < '0' || piece[0] > '9') {
                    out.error = "'" + piece + "' is not a valid integer value";
                    return out;
                }
                offered[k] = piece[0] - '0';
            }
            std::sort(offered.begin(), offered.end());
            if (offered != drawn)
                continue;
            Match match;
            match.message = std::string("W I N N E R\r\n") + category.heading + choice;
            match.logLine = date + "[Quor3 Picked: " + choice + "] [Actual: " + std::to_string(a) + std::to_string(b) +
                            std::to_string(c) + "] " + category.logText + databaseName;
            out.matches.push_back(match);
            if (!out.log)
                out.log = "Log began on: " + date + "\r\n";
            *out.log += match.logLine + "\r\n";
        }
    }
    return out;
}

std::string store(const std::optional<std::string>& database, const Draw& draw)
{
    Draw stored = draw;
    stored.reserved = {};
    const std::string added = databaseBytes({stored});
    if (!database)
        return added;
    if (database->size() / 24 != 731)
        return *database + added;
    // Full: the last 90 draws, their unused bytes written as zero, then the new one.
    std::vector<Draw> kept = drawsOf(database->substr((731 - 90) * 24, 90 * 24));
    for (auto& d : kept)
        d.reserved = {};
    return databaseBytes(kept) + added;
}

} // namespace model
