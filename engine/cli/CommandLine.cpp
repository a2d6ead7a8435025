#include "engine/cli/CommandLine.h"

#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"

#include <algorithm>
#include <ctime>
#include <iostream>

namespace quor3::cli
{

void PrintedStatus::setStatusText(int panel, const std::string& text)
{
    if (panel >= 0 && panel < 4)
        panels[panel] = text;
}

void PrintedStatus::print() const
{
    for (const auto& p : panels)
        std::cout << p << '\n';
}

Location locate(const std::string& path, bool seedHistory)
{
    fs::path p(path);
    Location where;
    where.folder = p.has_parent_path() ? p.parent_path() : fs::path(".");
    where.name = databaseNameFor(p);
    refuseReservedDatabaseName(where.folder, where.name);
    // Every draw the database has held is kept from its first use on; a
    // first store that a stop cut short is finished before anything reads.
    const fs::path database = where.database();
    if (seedHistory && (fileExists(database) || fileExists(historyFileFor(database))))
        ensureHistory(database);
    return where;
}

int rebuildAndPrint(const Location& where, FirstPanels panels, PrintedStatus status)
{
    const std::string failure = rebuildAfterChange(where.folder, where.name, panels, status);
    if (!failure.empty()) {
        std::cout << failure << '\n';
        return 3;
    }
    status.print();
    return 0;
}

CivilDate parseDate(const std::string& text)
{
    const std::optional<CivilDate> date = dateFromText(text);
    if (!date)
        throwDateError();
    return *date;
}

int parseDigit(const std::string& text)
{
    const int d = toInt(text);
    if (d < 0 || d > 9)
        throw Error(Error::Kind::Conversion,
                    fill(translate("quor3::CommandLine", "'%1' is not a digit from 0 to 9"), {text}));
    return d;
}

void badValue(const std::string& text, const char* what)
{
    throw Error(Error::Kind::Conversion,
                fill(translate("quor3::CommandLine", "'%1' is not %2"), {text, translate("quor3::CommandLine", what)}));
}

double ticketDate(const std::string& text)
{
    const auto date = ticketDateFromText(text);
    if (!date)
        badValue(text, QT_TRANSLATE_NOOP("quor3::CommandLine", "a date (M/D/YYYY or YYYY-MM-DD)"));
    return *date;
}

Cents amount(const std::string& text)
{
    const auto cents = moneyFromText(text);
    if (!cents)
        badValue(text, QT_TRANSLATE_NOOP("quor3::CommandLine", "an amount of money (like 1, 0.50 or 167.00)"));
    return *cents;
}

double todayDayNumber()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string column(const std::string& text, int width)
{
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    const std::string blanks(static_cast<std::size_t>(std::max<long>(0, std::abs(width) - characters)), ' ');
    return width < 0 ? text + blanks : blanks + text;
}

std::string drawsText(const std::vector<DrawRecord>& draws)
{
    if (draws.empty())
        return translate("quor3::CommandLine", "none");
    std::string text;
    for (const DrawRecord& r : draws)
        text += (text.empty() ? "" : ", ") + digitTriple(r.Digit1, r.Digit2, r.Digit3);
    return text;
}

} // namespace quor3::cli
