#include "engine/Winners.h"

#include "engine/Choices.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Text.h"

#include <unistd.h>

namespace quor3
{

bool sameDigitsAnyOrder(int a, int b, int c, int x, int y, int z)
{
    return (x == a && y == b && z == c) || (x == a && y == c && z == b) || (x == b && y == a && z == c) ||
           (x == b && y == c && z == a) || (x == c && y == a && z == b) || (x == c && y == b && z == a);
}

namespace
{

struct Category {
    const char* file;
    int lines;
    const char* heading;
    const char* logText;
};

const Category categories[] = {
    {files::Hot, 5, QT_TRANSLATE_NOOP("quor3::Winners", "Hot Category: "), "Hot Category "},
    {files::Cold, 5, QT_TRANSLATE_NOOP("quor3::Winners", "Cold Category: "), "Cold Category "},
    {files::WarmChoices, 4, QT_TRANSLATE_NOOP("quor3::Winners", "Warm Category: "), "Warm Category "},
    {files::OddEven, 5, QT_TRANSLATE_NOOP("quor3::Winners", "Odd/Even Category: "), "Odd/Even Category "},
    {files::Ordinal, 12, QT_TRANSLATE_NOOP("quor3::Winners", "Ordinal Category: "), "Ordinal Category "},
    {files::PairChoices, 4, QT_TRANSLATE_NOOP("quor3::Winners", "Pairs Category: "), "Pairs Category "},
    {files::Repeats, 5, QT_TRANSLATE_NOOP("quor3::Winners", "% Repeats Category: "), "% Repeats Category "},
};

// The 1st, 4th and 7th characters, each converted on its own.
int digitAt(const std::string& choice, std::size_t position)
{
    return toInt(position < choice.size() ? choice.substr(position, 1) : std::string());
}

} // namespace

std::vector<WinnerMatch> checkWinners(const fs::path& folder, const std::string& databaseName, int a, int b, int c,
                                      const CivilDate& drawDate,
                                      const std::function<void(const WinnerMatch&)>& announce,
                                      const std::function<void(const WinnerMatch&)>& logged)
{
    std::vector<WinnerMatch> matches;
    const std::string date = monthDayYear(drawDate);
    const fs::path log = folder / files::WinnersLog;
    for (const Category& category : categories) {
        const fs::path file = folder / category.file;
        std::vector<std::string> lines;
        {
            const DatabaseLock lock(folder, databaseName, DatabaseLock::Shared);
            if (!fileExists(file))
                continue;
            lines = readTextLines(file);
        }
        lines.resize(static_cast<std::size_t>(category.lines)); // missing lines read as empty
        std::vector<std::string> choices;
        if (category.lines == 12) {
            choices = ordinalRows(lines);
        } else {
            for (auto& line : lines)
                choices.push_back(line.substr(0, 7));
        }
        for (const std::string& choice : choices) {
            const int x = digitAt(choice, 0), y = digitAt(choice, 3), z = digitAt(choice, 6);
            if (!sameDigitsAnyOrder(a, b, c, x, y, z))
                continue;
            WinnerMatch match;
            // The announcement in the user's language; the log line stays as it is.
            match.message = translate("quor3::Winners", "W I N N E R") + "\r\n" +
                            translate("quor3::Winners", category.heading) + choice;
            match.logLine = date + "[Quor3 Picked: " + choice + "] [Actual: " + std::to_string(a) + std::to_string(b) +
                            std::to_string(c) + "] " + category.logText + databaseName;
            // No lock is held while the announcement waits for the user.
            if (announce)
                announce(match);
            const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
            std::vector<std::string> entry;
            if (!fileExists(log))
                entry.push_back(winnersLogFirstLine(drawDate));
            entry.push_back(match.logLine);
            appendTextLines(log, entry);
            matches.push_back(match);
            if (logged)
                logged(match);
        }
    }
    return matches;
}

std::string winnersLogFirstLine(const CivilDate& drawDate)
{
    return "Log began on: " + monthDayYear(drawDate);
}

void removeWinnerLines(const fs::path& folder, const std::string& databaseName, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    const fs::path log = folder / files::WinnersLog;
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    if (!fileExists(log))
        return;
    std::string text = readWholeFile(log);
    bool changed = false;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        // A whole line: at the start of the file or after a line end, and
        // ended by CR LF (or LF, or the end of the file).
        for (std::size_t at = text.rfind(*line); at != std::string::npos;
             at = at == 0 ? std::string::npos : text.rfind(*line, at - 1)) {
            if (at != 0 && text[at - 1] != '\n')
                continue;
            std::size_t end = at + line->size();
            if (text.compare(end, 2, "\r\n") == 0)
                end += 2;
            else if (end < text.size() && text[end] == '\n')
                ++end;
            else if (end != text.size())
                continue;
            text.erase(at, end - at);
            changed = true;
            break;
        }
    }
    if (!changed)
        return;
    checkChangeable(log, "replace");
    if (text.empty()) {
        if (::unlink(log.c_str()) != 0)
            throwIoError(log, "remove");
        return;
    }
    replaceFileAtomically(log, text);
}

} // namespace quor3
