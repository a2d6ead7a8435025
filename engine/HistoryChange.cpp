#include "engine/HistoryChange.h"

#include "engine/Addon.h"
#include "engine/Backups.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryStore.h"
#include "engine/Text.h"

#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <unistd.h>

namespace quor3
{

using namespace history;

namespace
{

// The newest changes keep what they replaced, for undo; older ones only
// what the log shows.
constexpr long long ChangesKeptForUndo = 20;

// working_changed: the change left the working file alone, replaced it, or made it.
enum WorkingChanged { Untouched = 0, Replaced = 1, Made = 2 };

std::vector<Digits> copyOf(DayView day)
{
    return {day.begin(), day.end()};
}

DayView viewOf(const std::vector<Digits>& draws)
{
    return {draws.data(), draws.data() + draws.size()};
}

// Takes out the last draw of those digits; false when the day has none.
bool removeOne(std::vector<Digits>& day, const Digits& d)
{
    for (auto it = day.rbegin(); it != day.rend(); ++it)
        if (*it == d) {
            day.erase(std::next(it).base());
            return true;
        }
    return false;
}

// The draws of `a` that `b` does not hold as often.
std::vector<Digits> without(DayView a, DayView b)
{
    std::vector<Digits> left = copyOf(b), extra;
    for (const Digits& d : a)
        if (!removeOne(left, d))
            extra.push_back(d);
    return extra;
}

// The day only gained draws: nothing it held was replaced or removed.
bool onlyGrew(DayView before, DayView after)
{
    return without(before, after).empty();
}

std::vector<DrawRecord> recordsOf(double date, DayView day)
{
    std::vector<DrawRecord> records;
    for (const Digits& d : day)
        records.push_back(recordOf(date, d));
    return records;
}

ChangeOrigin originFrom(const Statement& s, int kind, int source)
{
    return {s.text(kind), s.text(source)};
}

// Logs the corrections among the changed days and where the new draws came
// from; returns the corrections.
std::vector<DayChange> logDays(Connection& c, long long id, const Days& changed, const Days& before)
{
    std::vector<DayChange> corrections;
    Statement correction(c,
                         "INSERT INTO corrections (change_id, draw_date, old_draws, new_draws) VALUES (?1, ?2, ?3, ?4)",
                         "write the full history");
    Days added;
    for (std::size_t i = 0; i < changed.size(); ++i) {
        const double date = changed.date(i);
        const DayView was = dayOf(before, date), now = changed.day(i);
        if (was.size() > 0 && !onlyGrew(was, now)) {
            Days one, other;
            one.add(date, was);
            other.add(date, now);
            correction.bind(1, id).bind(2, date).bindBlob(3, encodeDays(one)).bindBlob(4, encodeDays(other)).run();
            corrections.push_back({date, recordsOf(date, was), recordsOf(date, now)});
        }
        const std::vector<Digits> arrived = without(now, was);
        if (!arrived.empty())
            added.add(date, viewOf(arrived));
    }
    // Where each draw came from: the change that added it, found by its date.
    if (!added.empty()) {
        Statement s(c, "UPDATE changes SET added = ?2, first_added = ?3, last_added = ?4 WHERE id = ?1",
                    "write the full history");
        s.bind(1, id).bindBlob(2, encodeDays(added)).bind(3, added.date(0)).bind(4, added.date(added.size() - 1));
        s.run();
    }
    return corrections;
}

long long addChangeRow(Connection& c, const ChangeOrigin& origin, int workingChanged,
                       const std::optional<std::string>& workingBefore, const Days* before)
{
    Statement s(c,
                "INSERT INTO changes (at, kind, source, working_changed, working_before, days_before)"
                " VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                "write the full history");
    s.bind(1, static_cast<long long>(std::time(nullptr))).bind(2, origin.kind).bind(3, origin.source);
    s.bind(4, static_cast<long long>(workingChanged));
    if (workingBefore)
        s.bindBlob(5, *workingBefore);
    else
        s.bindNull(5);
    if (before)
        s.bindBlob(6, encodeDays(*before));
    else
        s.bindNull(6);
    s.run();
    return static_cast<long long>(sqlite3_last_insert_rowid(c.handle()));
}

// Writes the working file as the change has it; on failure, the history's
// change is taken back (the working file is as it was), or, when even that
// fails, left to the next open to finish.
void writeWorking(Connection& c, const fs::path& database, const std::function<void()>& write, long long id,
                  const Days& changed, const Days& before, const std::string& undoneWhenTakenBack)
{
    try {
        write();
    } catch (...) {
        try {
            c.exec("BEGIN IMMEDIATE");
            writeDays(c, before, changed);
            settleChangedDays(c, changed.dates());
            Statement drop(c, "DELETE FROM changes WHERE id = ?1", "write the full history");
            drop.bind(1, id).run();
            Statement corrections(c, "DELETE FROM corrections WHERE change_id = ?1", "write the full history");
            corrections.bind(1, id).run();
            if (!undoneWhenTakenBack.empty())
                c.exec(undoneWhenTakenBack);
            c.exec("DELETE FROM pending_working");
            c.exec("COMMIT");
        } catch (const Error&) {
            sqlite3_exec(c.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
            // The intention stays; the next open finishes the change instead.
        }
        throw;
    }
    // The intention is a copy of the working file, which is in place now: its
    // freed pages need no zeroing, which would double what this commit writes.
    c.exec("PRAGMA secure_delete=FAST");
    c.exec("DELETE FROM pending_working");
    (void)database;
}

void removeWorkingFile(const fs::path& database)
{
    if (::unlink(database.c_str()) != 0)
        throwIoError(database, "remove");
    flushPath(database.has_parent_path() ? database.parent_path() : fs::path("."));
}

} // namespace

RecordOutcome changeRecord(const fs::path& database, const RecordChange& change)
{
    using Working = RecordChange::Working;
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    ensureHistory(database);
    const fs::path file = historyFileFor(database);

    std::optional<std::string> oldWorking, newWorking;
    if (fileExists(database))
        oldWorking = readWholeFile(database);
    newWorking = oldWorking;
    if (change.working == Working::Append) {
        std::string bytes = oldWorking.value_or(std::string());
        bytes.resize(bytes.size() / DrawRecordSize * DrawRecordSize);
        DrawRecord stored = change.appended;
        stored.Reserved = {};
        newWorking = bytes + encodeDraws({stored});
    } else if (change.working == Working::Replace) {
        newWorking = change.bytes;
    } else if (change.working == Working::Remove) {
        newWorking.reset();
    }
    const bool workingChanges = change.working != Working::Unchanged;
    const Days newDays = newWorking ? groupByDate(decodeDraws(*newWorking)) : Days();

    // The dates the change may touch: where the working file changes, and
    // where it asks for the history alone.
    std::vector<double> dates;
    if (change.working == Working::Append) {
        dates.push_back(change.appended.DrawDate);
    } else if (workingChanges) {
        const Days oldDays = oldWorking ? groupByDate(decodeDraws(*oldWorking)) : Days();
        for (std::size_t i = 0; i < newDays.size(); ++i)
            if (!sameDay(dayOf(oldDays, newDays.date(i)), newDays.day(i)))
                dates.push_back(newDays.date(i));
        for (std::size_t i = 0; i < oldDays.size(); ++i)
            if (dayOf(newDays, oldDays.date(i)).size() == 0)
                dates.push_back(oldDays.date(i));
    }
    const auto uncovered = [&](double date) { return dayOf(newDays, date).size() == 0; };
    for (const DrawRecord& r : change.takenOut)
        if (uncovered(r.DrawDate))
            dates.push_back(r.DrawDate);
    for (const auto& [wrong, right] : change.replaced)
        if (uncovered(wrong.DrawDate))
            dates.push_back(wrong.DrawDate);
    const Days offered = groupByDate(change.offered);
    for (double date : offered.dates())
        if (uncovered(date))
            dates.push_back(date);
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    // The add-on digits the change's draws carry go beside them in the
    // history alone.
    std::vector<DrawRecord> addons;
    for (const DrawRecord& r : change.offered)
        if (carriedAddon(r))
            addons.push_back(r);
    if (change.working == Working::Append && carriedAddon(change.appended))
        addons.push_back(change.appended);
    if (dates.empty() && !workingChanges && addons.empty())
        return {};

    std::unique_ptr<Connection> c = openExisting(file);
    c->exec("BEGIN IMMEDIATE");
    RecordOutcome outcome;
    Days changed, before;
    try {
        c->checkIntact("write the full history");
        const Days current = dates.empty() ? Days() : loadDays(*c, dates.front(), dates.back());
        for (double date : dates) {
            const DayView now = dayOf(current, date);
            // The day as the history alone would hold it after the change.
            std::vector<Digits> target = copyOf(now);
            for (const DrawRecord& r : change.takenOut)
                if (r.DrawDate == date)
                    removeOne(target, digitsOf(r));
            for (const auto& [wrong, right] : change.replaced) {
                auto at = std::find(target.begin(), target.end(), digitsOf(wrong));
                if (wrong.DrawDate == date && right.DrawDate == date && at != target.end())
                    *at = digitsOf(right);
            }
            const DayView file = dayOf(offered, date);
            if (file.size() > 0 && (change.offeredReplace || !without(file, viewOf(target)).empty()))
                target = copyOf(file);
            // A day the working file holds is its day; but its oldest day may
            // be the end of a day a cut-back or an import's limit cut short.
            const DayView working = dayOf(newDays, date);
            if (working.size() > 0 && !(date == newDays.date(0) && without(working, viewOf(target)).empty()))
                target = copyOf(working);
            if (!sameDay(now, viewOf(target))) {
                changed.add(date, viewOf(target));
                before.add(date, now);
            }
        }
        if (changed.empty() && !workingChanges) {
            // New add-on digits of stored draws: no change of the draws to undo.
            const std::vector<double> addonDates = writeAddons(*c, addons);
            if (addonDates.empty()) {
                c->exec("ROLLBACK");
                return {};
            }
            settleChangedDays(*c, addonDates);
            c->exec("COMMIT");
            return outcome;
        }
        const int workingChanged = !workingChanges ? Untouched : oldWorking ? Replaced : Made;
        outcome.change =
            addChangeRow(*c, change.origin, workingChanged, workingChanges ? oldWorking : std::nullopt, &before);
        writeDays(*c, changed, before);
        outcome.corrections = logDays(*c, outcome.change, changed, before);
        outcome.changedDates = changed.dates();
        Statement prune(*c,
                        "UPDATE changes SET working_before = NULL, days_before = NULL"
                        " WHERE id <= ?1 AND days_before IS NOT NULL",
                        "write the full history");
        prune.bind(1, outcome.change - ChangesKeptForUndo).run();
        std::vector<double> settled = writeAddons(*c, addons);
        settled.insert(settled.end(), changed.dates().begin(), changed.dates().end());
        settleChangedDays(*c, settled);
        putIntention(*c, {workingChanges, newWorking ? &*newWorking : nullptr});
        c->exec("COMMIT");
    } catch (...) {
        sqlite3_exec(c->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    if (!workingChanges)
        return outcome;
    writeWorking(*c, database,
                 [&] {
                     if (change.working == Working::Append)
                         appendDraw(database,
                                    decodeDraws(newWorking->substr(newWorking->size() - DrawRecordSize)).front());
                     else if (newWorking)
                         replaceFileAtomically(database, *newWorking);
                     else
                         removeWorkingFile(database);
                 },
                 outcome.change, changed, before, {});
    return outcome;
}

UndoOutcome undoLastChange(const fs::path& database, long long expected)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    ensureHistory(database);
    std::unique_ptr<Connection> c = openExisting(historyFileFor(database));
    UndoOutcome outcome;
    int workingChanged = Untouched;
    std::optional<std::string> workingBefore;
    Days target;
    {
        Statement s(*c,
                    "SELECT id, kind, source, at, working_changed, working_before, days_before FROM changes"
                    " WHERE undone = 0 AND days_before IS NOT NULL ORDER BY id DESC LIMIT 1",
                    "read the full history");
        if (!s.step())
            throwIoError(database, "undo the last change of", "there is no change to undo");
        outcome.change = s.integer(0);
        outcome.origin = originFrom(s, 1, 2);
        outcome.at = static_cast<std::time_t>(s.integer(3));
        workingChanged = static_cast<int>(s.integer(4));
        if (!s.isNull(5))
            workingBefore = s.blob(5);
        target = decodeDays(s.blob(6));
        s.run();
    }
    if (expected != 0 && outcome.change != expected)
        throwIoError(database, "undo the last entry of", "the database has changed since that entry");
    outcome.workingChanged = workingChanged != Untouched;
    if (outcome.workingChanged && fileExists(database)) {
        checkChangeable(database, "replace");
        outcome.backup = backupDatabase(database, backupReason::Undo);
    }
    const std::optional<std::string> restored = workingChanged == Replaced ? workingBefore : std::nullopt;
    Days current, changed;
    long long id = 0;
    c->exec("BEGIN IMMEDIATE");
    try {
        c->checkIntact("write the full history");
        const Days loaded = target.empty() ? Days() : loadDays(*c, target.date(0), target.date(target.size() - 1));
        for (std::size_t i = 0; i < target.size(); ++i) {
            const DayView now = dayOf(loaded, target.date(i));
            if (sameDay(now, target.day(i)))
                continue;
            current.add(target.date(i), now);
            changed.add(target.date(i), target.day(i));
            outcome.days.push_back(
                {target.date(i), recordsOf(target.date(i), now), recordsOf(target.date(i), target.day(i))});
        }
        id = addChangeRow(*c, {"undo", outcome.origin.kind}, Untouched, std::nullopt, nullptr);
        writeDays(*c, changed, current);
        logDays(*c, id, changed, current);
        Statement undone(*c, "UPDATE changes SET undone = 1 WHERE id = ?1", "write the full history");
        undone.bind(1, outcome.change).run();
        settleChangedDays(*c, changed.dates());
        putIntention(*c, {outcome.workingChanged, restored ? &*restored : nullptr});
        c->exec("COMMIT");
    } catch (...) {
        sqlite3_exec(c->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    if (outcome.workingChanged)
        writeWorking(
            *c, database,
            [&] {
                if (restored)
                    replaceFileAtomically(database, *restored);
                else if (fileExists(database))
                    removeWorkingFile(database);
            },
            id, changed, current, "UPDATE changes SET undone = 0 WHERE id = " + std::to_string(outcome.change));
    return outcome;
}

std::vector<LoggedCorrection> correctionLog(const fs::path& database, double date)
{
    ensureHistory(database);
    const DatabaseLock lock(database, DatabaseLock::Shared);
    std::unique_ptr<Connection> c = openExisting(historyFileFor(database));
    std::vector<LoggedCorrection> log;
    if (layoutOf(*c) < 3)
        return log;
    Statement s(*c,
                "SELECT k.change_id, k.old_draws, k.new_draws, c.at, c.kind, c.source FROM corrections k"
                " JOIN changes c ON c.id = k.change_id WHERE ?1 = 0 OR k.draw_date = ?1 ORDER BY k.rowid DESC",
                "read the full history");
    s.bind(1, date);
    while (s.step()) {
        const Days was = decodeDays(s.blob(1)), now = decodeDays(s.blob(2));
        if (was.empty() || now.empty())
            continue;
        LoggedCorrection entry;
        entry.change = s.integer(0);
        entry.day = {was.date(0), recordsOf(was.date(0), was.day(0)), recordsOf(now.date(0), now.day(0))};
        entry.at = static_cast<std::time_t>(s.integer(3));
        entry.origin = originFrom(s, 4, 5);
        log.push_back(std::move(entry));
    }
    return log;
}

DrawOrigin originOf(const fs::path& database, const DrawRecord& draw)
{
    ensureHistory(database);
    const DatabaseLock lock(database, DatabaseLock::Shared);
    std::unique_ptr<Connection> c = openExisting(historyFileFor(database));
    DrawOrigin found;
    if (layoutOf(*c) < 3)
        return found;
    Statement s(*c,
                "SELECT kind, source, at, added FROM changes WHERE last_added >= ?1 AND first_added <= ?1"
                " ORDER BY id DESC",
                "read the full history");
    s.bind(1, draw.DrawDate);
    const Digits wanted = digitsOf(draw);
    while (found.origin.kind.empty() && s.step()) {
        const Days added = decodeDays(s.blob(3));
        const DayView day = dayOf(added, draw.DrawDate);
        if (std::find(day.begin(), day.end(), wanted) != day.end()) {
            found.origin = originFrom(s, 0, 1);
            found.at = static_cast<std::time_t>(s.integer(2));
        }
    }
    s.run();
    return found;
}

long long lastChange(const fs::path& database)
{
    const fs::path file = historyFileFor(database);
    if (missing(file))
        return 0;
    const DatabaseLock lock(database, DatabaseLock::Shared);
    std::unique_ptr<Connection> c = openExisting(file);
    if (layoutOf(*c) < 3)
        return 0;
    return c->number("SELECT coalesce(max(id), 0) FROM changes WHERE undone = 0 AND days_before IS NOT NULL");
}

std::string originText(const ChangeOrigin& origin)
{
    const std::string& k = origin.kind;
    if (k == "entry")
        return translate("quor3::History", "an entry");
    if (k == "correction")
        return translate("quor3::History", "a correction");
    if (k == "deletion")
        return translate("quor3::History", "a deletion");
    if (k == "undo")
        return translate("quor3::History", "an undo");
    if (k == "restore")
        return fill(translate("quor3::History", "the backup %1"), {origin.source});
    if (k == "import")
        return origin.source.empty() ? translate("quor3::History", "an import")
                                     : fill(translate("quor3::History", "the file %1"), {origin.source});
    if (k == "fetch")
        return fill(translate("quor3::History", "the address %1"), {origin.source});
    if (k == "start-over")
        return translate("quor3::History", "the history started over");
    return origin.source.empty() ? k : origin.source;
}

} // namespace quor3
