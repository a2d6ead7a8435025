#pragma once

#include "engine/DrawRecord.h"
#include "engine/Import.h"

#include <string>
#include <utility>
#include <vector>

namespace quor3
{

// The checks every draw read from a file passes before it is stored, whether
// an import or a fetch brought it.

// A file that names several draws (Midday, Evening) may be read as the wrong
// one: its draws then disagree with the stored ones on most shared dates.
struct DrawAgreement {
    long long sharedDates = 0; // dates both hold a draw of
    long long agreeing = 0;    // shared dates where a draw of the file is a stored one
    // The first three dates where they disagree: the stored draw, the file's.
    std::vector<std::pair<DrawRecord, DrawRecord>> firstDisagreements;
};
DrawAgreement compareDraws(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& fromFile);

// Raises quor3::Error when the file agrees with fewer than half of the stored
// draws on the dates they share (at least 5 of them), naming the first three
// dates with both numbers and asking for another draw of the file.
void refuseAnotherDraw(const DrawAgreement& agreement);

// The last date a draw read from a file may have: the machine's local date
// plus one day, for the time zones ahead of it.
double latestStorableDate();
// Takes the chosen draws dated after latestStorableDate out, each listed as
// a skipped line with its reason.
std::vector<SkippedLine> setAsideFutureDraws(ChosenDraws& chosen);
// The same for draws without their lines; returns how many went.
long long dropFutureDraws(std::vector<DrawRecord>& draws);

// The draw of the file to preselect for a database that remembers the draw
// it was imported or fetched as ("Evening", or a file's own name such as
// "Evening Daily #"): that name (findDrawName), or else the one draw named by
// its time of day (Midday, Evening, Day, Night, ...). -1 when none answers.
int drawToPreselect(const ImportScan& scan, const std::string& remembered);

} // namespace quor3
