#include "engine/ImportChecks.h"

#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/Text.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <map>

namespace quor3
{

namespace
{

bool sameDigits(const DrawRecord& a, const DrawRecord& b)
{
    return a.Digit1 == b.Digit1 && a.Digit2 == b.Digit2 && a.Digit3 == b.Digit3;
}

std::string digitsOf(const DrawRecord& r)
{
    return std::to_string(r.Digit1) + std::to_string(r.Digit2) + std::to_string(r.Digit3);
}

} // namespace

DrawAgreement compareDraws(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& fromFile)
{
    std::map<double, std::vector<const DrawRecord*>> storedOn, fileOn;
    for (const DrawRecord& r : stored)
        storedOn[r.DrawDate].push_back(&r);
    for (const DrawRecord& r : fromFile)
        fileOn[r.DrawDate].push_back(&r);
    DrawAgreement agreement;
    for (const auto& [date, fileDraws] : fileOn) {
        const auto found = storedOn.find(date);
        if (found == storedOn.end())
            continue;
        ++agreement.sharedDates;
        const bool agrees = std::any_of(fileDraws.begin(), fileDraws.end(), [&](const DrawRecord* f) {
            return std::any_of(found->second.begin(), found->second.end(),
                               [f](const DrawRecord* s) { return sameDigits(*s, *f); });
        });
        if (agrees)
            ++agreement.agreeing;
        else if (agreement.firstDisagreements.size() < 3)
            agreement.firstDisagreements.emplace_back(*found->second.front(), *fileDraws.front());
    }
    return agreement;
}

void refuseAnotherDraw(const DrawAgreement& agreement)
{
    if (agreement.sharedDates < 5 || agreement.agreeing * 2 >= agreement.sharedDates)
        return;
    std::string dates;
    for (const auto& [stored, fromFile] : agreement.firstDisagreements)
        dates += fill(translate("quor3::Import", " On %1 the database has %2, the file %3."),
                      {monthDayYear(stored.DrawDate), digitsOf(stored), digitsOf(fromFile)});
    throw Error(Error::Kind::Conversion,
                fill(translate("quor3::Import", "The file's draws agree with the database on only %1 of the %2 dates "
                                                "they share, so they are not the draw the database holds.%3 Choose "
                                                "another draw of the file (Midday, Evening, ...); nothing was stored."),
                     {std::to_string(agreement.agreeing), std::to_string(agreement.sharedDates), dates}));
}

double latestStorableDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + 1;
}

std::vector<SkippedLine> setAsideFutureDraws(ChosenDraws& chosen)
{
    const double latest = latestStorableDate();
    std::vector<SkippedLine> skipped;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < chosen.draws.size(); ++i) {
        const DrawRecord& r = chosen.draws[i];
        const int line = i < chosen.lineNumbers.size() ? chosen.lineNumbers[i] : 0;
        if (r.DrawDate > latest) {
            skipped.push_back(
                {line, translate("quor3::Import", "dated after today"), monthDayYear(r.DrawDate) + " " + digitsOf(r)});
            continue;
        }
        chosen.draws[kept] = r;
        if (i < chosen.lineNumbers.size())
            chosen.lineNumbers[kept] = line;
        ++kept;
    }
    chosen.draws.resize(kept);
    if (chosen.lineNumbers.size() > kept)
        chosen.lineNumbers.resize(kept);
    return skipped;
}

long long dropFutureDraws(std::vector<DrawRecord>& draws)
{
    const double latest = latestStorableDate();
    const auto before = draws.size();
    draws.erase(
        std::remove_if(draws.begin(), draws.end(), [latest](const DrawRecord& r) { return r.DrawDate > latest; }),
        draws.end());
    return static_cast<long long>(before - draws.size());
}

int drawToPreselect(const ImportScan& scan, const std::string& remembered)
{
    if (remembered.empty())
        return -1;
    if (const int named = findDrawName(scan, remembered); named >= 0)
        return named;
    std::string word;
    std::vector<std::string> words;
    for (char c : remembered + " ") {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    static const char* const times[] = {"midday", "evening", "day", "night", "morning", "afternoon", "noon"};
    for (const std::string& w : words)
        for (const char* t : times)
            if (w == t)
                if (const int found = findDrawName(scan, w); found >= 0)
                    return found;
    return -1;
}

} // namespace quor3
