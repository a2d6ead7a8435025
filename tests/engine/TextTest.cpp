#include "engine/Text.h"
#include "engine/Backtest.h"
#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/Fairness.h"
#include "engine/Import.h"

#include <gtest/gtest.h>

namespace
{

// A translator that brackets each text it is given: a sentence that reaches a
// window must go through it whole, so that a translation can word it freely.
struct Bracketing {
    Bracketing()
    {
        quor3::setTranslator([](const char*, const char* text) { return "[" + std::string(text) + "]"; });
    }
    ~Bracketing() { quor3::setTranslator(nullptr); }
};

} // namespace

TEST(Text, WhatAWindowShowsIsTranslatedWholeAndWhatAFileKeepsIsNot)
{
    const Bracketing bracketing;
    const quor3::ImportScan scan = quor3::importDraws("12/6/2026 4 5 1\n2/30/2026 1 2 3\n");
    ASSERT_EQ(scan.skipped.size(), 1u);
    const struct {
        std::string shown, expected;
    } cases[] = {
        {scan.skipped[0].reason, "[impossible date \"2/30/2026\"]"},
        {quor3::fairnessVerdict(quor3::checkFairness({})), "[There are no draws with digits 0 to 9 to test.]"},
        {quor3::backtestVerdict(quor3::backtest({}, 1)),
         "[No draws were tested. The backtest compares each draw from draw 2 on with the choices made from the draws "
         "before it, so it needs at least 2 draws.]"},
        {quor3::backupReasonText(quor3::backupReason::Import), "[before an import]"},
        {quor3::backupReasonText(quor3::backupReason::correction(quor3::encodeDate(2026, 12, 7))),
         "[before a correction of 12/7/2026]"},
        {quor3::backupReasonText("kept by hand"), "kept by hand"},
        // The reason a backup's side file keeps stays English.
        {quor3::backupReason::correction(quor3::encodeDate(2026, 12, 7)), "before a correction of 12/7/2026"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected);
}
