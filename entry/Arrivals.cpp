#include "entry/Arrivals.h"

#include "engine/Addon.h"
#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Tickets.h"
#include "entry/CutBackQuestion.h"
#include "platform/ProfileFile.h"
#include "platform/StatusBarSink.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <fstream>
#include <sys/stat.h>
#include <utility>

namespace
{

const char* const ShownSection = "Last Shown";
// A summary stays short: the newest draws, the first conflicts.
constexpr int DrawsListed = 10;
constexpr int ConflictsListed = 3;

QString name(const std::string& databaseName)
{
    return QString::fromStdString(databaseName);
}

// "12/7/2026: 4 5 1": the digits apart, as a reader speaks them too.
// "12/7/2026: 4 5 1, add-on 7" when the results gave the add-on digit.
QString drawLine(const quor3::DrawRecord& draw)
{
    const QString line =
        QString("%1: %2 %3 %4").arg(shortDateText(draw.DrawDate)).arg(draw.Digit1).arg(draw.Digit2).arg(draw.Digit3);
    if (const auto addon = quor3::carriedAddon(draw))
        return QCoreApplication::translate("Arrivals", "%1, add-on %2").arg(line).arg(*addon);
    return line;
}

// The newest of `draws` (oldest first), with a line for the rest.
// A blank line between the parts of the summary: the draws, the matches, the wins.
void startPart(QStringList& lines)
{
    if (!lines.isEmpty() && !lines.last().isEmpty())
        lines << QString();
}

void listDraws(QStringList& lines, const std::vector<quor3::DrawRecord>& draws)
{
    const std::size_t first = draws.size() > DrawsListed ? draws.size() - DrawsListed : 0;
    if (first > 0)
        lines << (first == 1 ? QCoreApplication::translate("Arrivals", "(1 earlier draw not listed)")
                             : QCoreApplication::translate("Arrivals", "(%1 earlier draws not listed)")
                                   .arg(static_cast<long long>(first)));
    for (std::size_t i = first; i < draws.size(); ++i)
        lines << "  " + drawLine(draws[i]);
}

void listMatches(QStringList& lines, const QStringList& logLines)
{
    if (logLines.isEmpty())
        return;
    startPart(lines);
    lines << QCoreApplication::translate("Arrivals", "Suggested plays that matched:");
    for (const QString& line : logLines)
        lines << "  " + line;
}

void listTicketWins(QStringList& lines, const std::vector<std::string>& wins)
{
    if (!wins.empty())
        startPart(lines);
    for (const std::string& line : wins)
        lines << QString::fromStdString(line);
}

long long fileSize(const quor3::fs::path& file)
{
    struct stat info {
    };
    return ::stat(file.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : 0;
}

// The log lines of this database after `offset` bytes of the folder's winners log.
QStringList logLinesAfter(const quor3::fs::path& log, long long offset, const std::string& databaseName)
{
    QStringList lines;
    std::ifstream in(log, std::ios::binary);
    if (!in || !in.seekg(offset))
        return lines;
    std::string line;
    const QString suffix = " " + name(databaseName);
    while (std::getline(in, line)) {
        const QString text = QString::fromStdString(line).trimmed();
        if (text.endsWith(suffix) || text.endsWith("]" + name(databaseName)))
            lines << text;
    }
    return lines;
}

QString dateOrNone(double day)
{
    return day > 0 ? shortDateText(day) : QCoreApplication::translate("Arrivals", "none");
}

} // namespace

ShownState databaseState(const quor3::fs::path& folder, const std::string& databaseName)
{
    ShownState state;
    const quor3::fs::path database = folder / databaseName;
    state.logSize = fileSize(folder / quor3::files::WinnersLog);
    if (!quor3::fileExists(database))
        return state;
    const std::vector<quor3::DrawRecord> draws = quor3::readDraws(database);
    state.workingDraws = static_cast<long long>(draws.size());
    state.workingLast = draws.empty() ? 0.0 : draws.back().DrawDate;
    const quor3::HistorySummary history = quor3::summarizeHistory(database);
    state.historyDraws = history.draws;
    state.historyLast = history.lastDate;
    state.ticketMark = quor3::ticketChangeMark(database);
    return state;
}

std::optional<ShownState> lastShownState(const quor3::fs::path& database)
{
    const QStringList parts =
        ProfileFile(Settings::filePath()).readText(ShownSection, databaseSettingsKey(database)).split(' ');
    if (parts.size() != 6)
        return std::nullopt;
    bool ok[6] = {};
    ShownState state;
    state.historyDraws = parts[0].toLongLong(&ok[0]);
    state.historyLast = parts[1].toDouble(&ok[1]);
    state.workingDraws = parts[2].toLongLong(&ok[2]);
    state.workingLast = parts[3].toDouble(&ok[3]);
    state.ticketMark = parts[4].toLongLong(&ok[4]);
    state.logSize = parts[5].toLongLong(&ok[5]);
    if (std::find(std::begin(ok), std::end(ok), false) != std::end(ok))
        return std::nullopt;
    return state;
}

void rememberShownState(const quor3::fs::path& database, const ShownState& state)
{
    const QString value = QString("%1 %2 %3 %4 %5 %6")
                              .arg(state.historyDraws)
                              .arg(state.historyLast, 0, 'g', 17)
                              .arg(state.workingDraws)
                              .arg(state.workingLast, 0, 'g', 17)
                              .arg(state.ticketMark)
                              .arg(state.logSize);
    const ProfileFile settings(Settings::filePath());
    try {
        if (settings.readText(ShownSection, databaseSettingsKey(database)) != value)
            settings.writeText(ShownSection, databaseSettingsKey(database), value);
    } catch (const quor3::Error&) {
    }
}

QString changesSince(const quor3::fs::path& folder, const std::string& databaseName, const ShownState& before,
                     const ShownState& now)
{
    const quor3::fs::path database = folder / databaseName;
    // The full history never loses a draw: a smaller one belongs to another
    // database of the name (deleted and made again), with nothing to compare.
    if (now.historyDraws < before.historyDraws)
        return QString();
    QStringList lines;
    std::vector<quor3::DrawRecord> added;
    if (now.historyLast > before.historyLast || now.historyDraws > before.historyDraws)
        for (const quor3::DrawRecord& draw : quor3::readHistory(database))
            if (draw.DrawDate > before.historyLast)
                added.push_back(draw);
    const long long newer = static_cast<long long>(added.size());
    const long long older = now.historyDraws - before.historyDraws - newer;
    if (newer > 0) {
        lines << (newer == 1
                      ? QCoreApplication::translate("Arrivals", "%1: 1 new draw since the program last showed it:")
                            .arg(name(databaseName))
                      : QCoreApplication::translate("Arrivals", "%1: %2 new draws since the program last showed it:")
                            .arg(name(databaseName))
                            .arg(newer));
        listDraws(lines, added);
    }
    if (older > 0)
        startPart(lines);
    if (older > 0)
        lines << (older == 1
                      ? QCoreApplication::translate("Arrivals", "1 older draw joined the full history.")
                      : QCoreApplication::translate("Arrivals", "%1 older draws joined the full history.").arg(older));
    // A restore, or draws taken out: what the reports now see.
    if (now.workingDraws < before.workingDraws || now.workingLast < before.workingLast) {
        startPart(lines);
        lines << QCoreApplication::translate(
                     "Arrivals",
                     "%1 now holds %2 draws, the last on %3; when the program last showed it, it held %4, the last "
                     "on %5.")
                     .arg(name(databaseName))
                     .arg(now.workingDraws)
                     .arg(dateOrNone(now.workingLast))
                     .arg(before.workingDraws)
                     .arg(dateOrNone(before.workingLast));
    }
    if (now.logSize > before.logSize)
        listMatches(lines, logLinesAfter(folder / quor3::files::WinnersLog, before.logSize, databaseName));
    if (now.ticketMark > before.ticketMark)
        listTicketWins(lines, quor3::announcementsSince(database, before.ticketMark));
    return lines.join('\n');
}

QString fetchSummary(const std::string& databaseName, const quor3::NewResultsOutcome& outcome,
                     const std::vector<std::string>& ticketWins)
{
    QStringList lines;
    if (outcome.upToDate)
        lines << QCoreApplication::translate("Arrivals", "%1 is up to date: no new draw.").arg(name(databaseName));
    else
        lines << (outcome.added == 1
                      ? QCoreApplication::translate("Arrivals", "%1: 1 new draw added:").arg(name(databaseName))
                      : QCoreApplication::translate("Arrivals", "%1: %2 new draws added:")
                            .arg(name(databaseName))
                            .arg(outcome.added));
    if (outcome.plan.fillAsImport) {
        for (const std::string& line : outcome.lines)
            lines << "  " + QString::fromStdString(line);
    } else if (!outcome.upToDate) {
        const auto& newer = outcome.plan.newer;
        const auto stored =
            static_cast<std::ptrdiff_t>(std::min<long long>(outcome.added, static_cast<long long>(newer.size())));
        listDraws(lines, std::vector<quor3::DrawRecord>(newer.begin(), newer.begin() + stored));
        if (!outcome.backups.empty())
            startPart(lines);
        for (const quor3::fs::path& backup : outcome.backups)
            lines << QCoreApplication::translate(
                         "Arrivals",
                         "The database was full: it keeps the newest %1 draws for the reports. Every draw stays in "
                         "the full history, and the older ones are also in the backup %2.")
                         .arg(quor3::DrawsKeptWhenFull)
                         .arg(QString::fromStdString((backup.parent_path().filename() / backup.filename()).string()));
    }
    QStringList matches;
    for (const quor3::WinnerMatch& match : outcome.matches)
        matches << QString::fromStdString(match.logLine);
    listMatches(lines, matches);
    listTicketWins(lines, ticketWins);
    const auto& conflicts = outcome.plan.conflicts;
    if (!conflicts.empty())
        startPart(lines);
    for (std::size_t i = 0; i < conflicts.size() && i < ConflictsListed; ++i)
        lines << QString::fromStdString(conflicts[i].text);
    if (conflicts.size() > ConflictsListed)
        lines << QCoreApplication::translate("Arrivals", "... and %1 more conflicts; the stored draws are kept.")
                     .arg(static_cast<long long>(conflicts.size() - ConflictsListed));
    // The engine's other words on the fetch (the older draws of the file),
    // without the conflicts and the count said above.
    std::vector<std::string> rest = quor3::summaryOf(outcome);
    if (!rest.empty())
        rest.pop_back();
    bool restStarted = false;
    for (const std::string& line : rest)
        if (std::none_of(conflicts.begin(), conflicts.end(), [&](const auto& c) { return c.text == line; })) {
            if (!std::exchange(restStarted, true))
                startPart(lines);
            lines << QString::fromStdString(line);
        }
    return lines.join('\n');
}

bool fetchBroughtNews(const quor3::NewResultsOutcome& outcome, const std::vector<std::string>& ticketWins)
{
    return outcome.added > 0 || !outcome.matches.empty() || !ticketWins.empty() || !outcome.backups.empty();
}
