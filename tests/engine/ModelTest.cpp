// The engine against the plain model of Model.cpp, byte for byte, over many
// seeded random databases: every size from 1 to 800 draws, repeated digits,
// stray values outside 0-9, ties, runs where each draw repeats digits of the
// one before. A slice taken one short or a position left out shows up here
// whatever the size or place it hides at.

#include "Model.h"
#include "EngineTestSupport.h"

#include "engine/Errors.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

using namespace quor3;

namespace
{

const char* const DerivedFileNames[] = {"freq.dat", "hottest.dat", "warm.dat",   "wm.dat",      "hot.dat",
                                        "cold.dat", "oddeven.dat", "order.dat",  "ordinal.dat", "pair.dat",
                                        "pr.dat",   "repeat.dat",  "repeats.dat"};
const char* const ChoiceFiles[] = {"hot.dat",     "cold.dat", "wm.dat",     "oddeven.dat",
                                   "ordinal.dat", "pr.dat",   "repeats.dat"};

std::optional<std::string> contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void put(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Where two byte strings part, for the failure message.
std::string difference(const std::string& name, const std::optional<std::string>& actual, const std::string& expected)
{
    if (!actual)
        return name + " is missing";
    if (*actual == expected)
        return {};
    std::size_t at = 0;
    while (at < actual->size() && at < expected.size() && (*actual)[at] == expected[at])
        ++at;
    std::ostringstream out;
    out << name << ": " << actual->size() << " bytes, expected " << expected.size() << "; first difference at byte "
        << at;
    if (actual->size() < 200 && expected.size() < 200)
        out << "\n  actual:   " << testing::PrintToString(*actual)
            << "\n  expected: " << testing::PrintToString(expected);
    return out.str();
}

// Digits 0-9 from a seeded generator: the engine and the model each get one
// with the same seed, so their odd/even choices must agree digit for digit.
class SameSeedDigits : public RandomDigits
{
  public:
    explicit SameSeedDigits(unsigned seed) : generator_(seed) {}
    int nextDigit() override { return static_cast<int>(generator_() % 10); }

  private:
    std::mt19937 generator_;
};

// A fresh folder, in memory when the system has a memory file system: what is
// compared here is bytes, and thousands of truncated-and-rewritten files on a
// disk would spend most of the run waiting for it.
class ScratchFolder
{
  public:
    ScratchFolder()
    {
        std::string templ = (fs::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
        templ += "/quor3-model-XXXXXX";
        if (!::mkdtemp(templ.data()))
            std::abort();
        path_ = templ;
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

int below(std::mt19937& g, int n)
{
    return static_cast<int>(g() % static_cast<unsigned>(n));
}

// A database in one of several styles, so that ties, repeats and strays are
// all common somewhere.
std::vector<model::Draw> randomDatabase(std::mt19937& g, int size)
{
    const std::int32_t strays[] = {-1, 10, 11, 12, -9, 100, 255, INT_MIN, INT_MAX};
    const int style = below(g, 8);
    const int alphabet = style == 5 ? 1 + below(g, 4) : 10; // few digits: many ties
    const int strayPercent = style == 4 ? 5 : style == 7 ? 30 : 0;
    const bool sticky = style == 6; // the next draw mostly repeats digits of this one
    const bool anyDates = below(g, 4) == 0;
    const bool reservedNoise = below(g, 4) == 0;

    std::vector<model::Draw> draws;
    double day = 36000 + below(g, 20000);
    for (int i = 0; i < size; ++i) {
        model::Draw d;
        std::int32_t digits[3];
        for (auto& digit : digits)
            digit = below(g, 100) < strayPercent ? strays[below(g, 9)] : below(g, alphabet);
        if (sticky && i > 0) {
            const auto& before = draws.back();
            const std::int32_t previous[3] = {before.first, before.second, before.third};
            digits[below(g, 3)] = previous[below(g, 3)];
        }
        d.first = digits[0];
        d.second = digits[1];
        d.third = digits[2];
        day = anyDates ? 2 + below(g, 73000) : day + below(g, 3);
        d.day = day;
        if (reservedNoise)
            for (auto& b : d.reserved)
                b = static_cast<std::uint8_t>(g());
        draws.push_back(d);
    }
    return draws;
}

std::string describe(const std::vector<model::Draw>& draws)
{
    std::ostringstream out;
    out << draws.size() << " draws";
    if (draws.size() <= 40) {
        out << ":";
        for (const auto& d : draws)
            out << " " << d.first << "-" << d.second << "-" << d.third;
    }
    return out.str();
}

DrawRecord recordOf(const model::Draw& d)
{
    DrawRecord r;
    r.DrawDate = d.day;
    r.Digit1 = d.first;
    r.Digit2 = d.second;
    r.Digit3 = d.third;
    r.Reserved = d.reserved;
    return r;
}

} // namespace

TEST(Model, RebuildWritesWhatTheRulesGiveForEverySizeUpTo800)
{
    std::vector<int> sizes;
    for (int n = 1; n <= 800; ++n)
        sizes.push_back(n);
    std::mt19937 shuffle(17);
    std::shuffle(sizes.begin(), sizes.end(), shuffle);

    // One folder for all: a rebuild after a larger database must leave nothing of it behind.
    ScratchFolder dir;
    for (int n : sizes) {
        std::mt19937 g(static_cast<unsigned>(n) * 7919u);
        const auto draws = randomDatabase(g, n);
        const std::string database = model::databaseBytes(draws);
        put(dir / "ga.c3d", database);

        SameSeedDigits engineDigits(n), modelDigits(n);
        RecordingStatus status;
        const RebuildResult result =
            rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::TotalAndLastDate, status, engineDigits);
        const model::Rebuilt expected = model::rebuild(draws, [&] { return modelDigits.nextDigit(); });

        const std::string what = describe(draws);
        for (const char* name : DerivedFileNames) {
            const std::string diff = difference(name, contents(dir / name), expected.files.at(name));
            ASSERT_EQ(diff, "") << what;
        }
        ASSERT_EQ(status.panels, expected.panels) << what;
        ASSERT_EQ(status.order, (std::vector<int>{0, 1, 2, 3})) << what;
        ASSERT_EQ(result.hotRanking, expected.hotRanking) << what;
        ASSERT_EQ(result.totalDraws, n);
        ASSERT_EQ(contents(dir / "ga.c3d"), database) << "the rebuild only reads the database";
        ASSERT_FALSE(fileExists(dir / "temp.dat"));
    }
}

TEST(Model, MatchCheckAnnouncesAndLogsWhatTheRulesGive)
{
    int matched = 0, failed = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 g(seed);
        const auto draws = randomDatabase(g, 1 + below(g, 120));
        SameSeedDigits digits(seed);
        model::Files files = model::rebuild(draws, [&] { return digits.nextDigit(); }).files;

        // Choice files as a rebuild left them, some missing, some damaged or
        // with text after the seventh character.
        model::Files choices;
        for (const char* name : ChoiceFiles)
            if (below(g, 8) != 0)
                choices[name] = files.at(name);
        if (!choices.empty() && below(g, 5) == 0) {
            auto victim = choices.begin();
            std::advance(victim, below(g, static_cast<int>(choices.size())));
            std::string& text = victim->second;
            const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
            const std::size_t lineStart = 9u * below(g, lines); // CR LF ends 7-character lines
            const bool ordinal = victim->first == "ordinal.dat";
            const std::size_t at = ordinal ? 3u * below(g, 12) : lineStart + 3u * below(g, 3);
            if (below(g, 2) == 0)
                text[at] = "xO -"[below(g, 4)];
            else
                text.insert(ordinal ? at + 1 : lineStart + 7, "9 junk");
        }

        // A draw that often matches: the digits of some choice, shuffled.
        int drawn[3] = {below(g, 10), below(g, 10), below(g, 10)};
        const std::string& source = files.at(ChoiceFiles[below(g, 7)]);
        if (below(g, 4) != 0 && source.size() >= 7 && source[1] == ' ') {
            const std::size_t line = 9u * below(g, static_cast<int>(std::count(source.begin(), source.end(), '\n')));
            for (int k = 0; k < 3; ++k)
                drawn[k] = source[line + 3 * k] - '0';
            std::shuffle(std::begin(drawn), std::end(drawn), g);
        }
        const int year = 1990 + below(g, 40), month = 1 + below(g, 12), day = 1 + below(g, 28);
        const std::string name = below(g, 2) == 0 ? "ga.c3d" : "pick 3 evening.c3d";
        std::optional<std::string> log;
        if (below(g, 2) == 0)
            log = std::string("Log began on: 1/2/2001\r\nan earlier line\r\n");

        ScratchFolder dir;
        for (const auto& [file, text] : choices)
            put(dir / file, text);
        if (log)
            put(dir / "quor3 winners.txt", *log);
        const auto expected = model::checkWinners(choices, log, name, drawn[0], drawn[1], drawn[2], year, month, day);

        std::vector<model::Match> announced;
        std::optional<std::string> error;
        const std::size_t linesBefore = log ? 2 : 0;
        try {
            checkWinners(dir.path(), name, drawn[0], drawn[1], drawn[2], CivilDate{year, month, day},
                         [&](const WinnerMatch& m) {
                             // Announced first, logged after: the log holds the earlier matches only.
                             const auto now = contents(dir / "quor3 winners.txt");
                             const std::size_t lines =
                                 now ? static_cast<std::size_t>(std::count(now->begin(), now->end(), '\n')) : 0;
                             const std::size_t logged = announced.size() + (log || announced.empty() ? 0 : 1);
                             EXPECT_EQ(lines, linesBefore + logged) << m.message;
                             announced.push_back({m.message, m.logLine});
                         });
        } catch (const Error& e) {
            error = e.what();
        }
        const std::string what = "seed " + std::to_string(seed) + ", draw " + std::to_string(drawn[0]) +
                                 std::to_string(drawn[1]) + std::to_string(drawn[2]);
        ASSERT_EQ(error, expected.error) << what;
        ASSERT_EQ(announced.size(), expected.matches.size()) << what;
        for (std::size_t k = 0; k < announced.size(); ++k) {
            ASSERT_EQ(announced[k].message, expected.matches[k].message) << what;
            ASSERT_EQ(announced[k].logLine, expected.matches[k].logLine) << what;
        }
        ASSERT_EQ(contents(dir / "quor3 winners.txt"), expected.log) << what;
        matched += !expected.matches.empty();
        failed += expected.error.has_value();
    }
    // The net is only as good as its catch: most draws match, some choices are damaged.
    EXPECT_GT(matched, 150);
    EXPECT_GT(failed, 10);
}

TEST(Model, StoringAppendsAndCutsAFullDatabaseBack)
{
    // One database grown a draw at a time from nothing past the cut.
    {
        ScratchFolder dir;
        std::mt19937 g(5);
        std::optional<std::string> expected;
        for (int k = 0; k < 740; ++k) {
            const model::Draw draw = randomDatabase(g, 1).front();
            const bool full = expected && expected->size() == 731 * 24;
            const StoreResult result = storeDraw(dir.path(), "ga.c3d", recordOf(draw));
            expected = model::store(expected, draw);
            ASSERT_EQ(difference("ga.c3d", contents(dir / "ga.c3d"), *expected), "") << "store " << k;
            ASSERT_EQ(result.totalDraws, static_cast<long long>(expected->size() / 24)) << k;
            ASSERT_EQ(result.cutBack, full) << k;
        }
    }
    // Databases found on disk at every size near the cut, some with bytes in
    // the unused field, each given a few draws.
    for (unsigned seed = 1; seed <= 150; ++seed) {
        std::mt19937 g(seed);
        const int size = seed % 3 == 0 ? below(g, 732) : 725 + below(g, 7);
        ScratchFolder dir;
        std::optional<std::string> expected;
        if (size > 0 || below(g, 2) == 0) {
            expected = model::databaseBytes(randomDatabase(g, size));
            put(dir / "ga.c3d", *expected);
        }
        for (int k = below(g, 4); k >= 0; --k) {
            const model::Draw draw = randomDatabase(g, 1).front();
            const bool full = expected && expected->size() == 731 * 24;
            const StoreResult result = storeDraw(dir.path(), "ga.c3d", recordOf(draw));
            expected = model::store(expected, draw);
            ASSERT_EQ(difference("ga.c3d", contents(dir / "ga.c3d"), *expected), "") << "seed " << seed;
            ASSERT_EQ(result.totalDraws, static_cast<long long>(expected->size() / 24));
            ASSERT_EQ(result.cutBack, full);
            ASSERT_FALSE(fileExists(dir / "temp.dat"));
        }
    }
}
