// Data safety at the file layer: one writer at a time, no write through a
// link, no change of a file the user cannot write, whole files at every moment,
// and the system's own reason when a write fails.

#include "EngineTestSupport.h"

#include "engine/Analysis.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/StoreDraw.h"
#include "engine/Tickets.h"
#include "engine/Winners.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

using namespace quor3;

namespace
{

const char* const Busy = "another Quor 3 is changing this database; try again";

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

mode_t modeOf(const fs::path& file)
{
    struct stat st;
    return ::lstat(file.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Hidden names are the scratch files of a replacement; none may stay behind.
std::vector<std::string> scratchFilesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().front() == '.')
            names.push_back(entry.path().filename().string());
    return names;
}

class FileSafety : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        setRenameFunctionForTesting(nullptr);
        setFlushFunctionForTesting(nullptr);
        setWriteAccessFunctionForTesting(nullptr);
        setLockWaitForTesting(std::chrono::milliseconds(5000));
    }
    TempFolder dir;
    TempFolder outside; // where links point
};

// --- One writer at a time ---

// Takes the folder's lock in a child process and keeps it until destroyed.
class LockInAnotherProcess
{
  public:
    LockInAnotherProcess(const fs::path& folder, DatabaseLock::Mode mode)
    {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            std::abort();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            char held = 0;
            try {
                const DatabaseLock lock(folder, "ga.c3d", mode);
                held = 1;
                if (::write(ready[1], &held, 1) != 1 || ::read(release[0], &held, 1) < 0)
                    ::_exit(2);
            } catch (...) {
                if (::write(ready[1], &held, 1) != 1)
                    ::_exit(2);
            }
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        char held = 0;
        held_ = ::read(ready[0], &held, 1) == 1 && held == 1;
        ::close(ready[0]);
        release_ = release[1];
    }
    ~LockInAnotherProcess()
    {
        ::close(release_);
        ::waitpid(pid_, nullptr, 0);
    }
    bool held() const { return held_; }

  private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool held_ = false;
};

TEST_F(FileSafety, ASecondWriterGivesUpAfterAShortWaitAndChangesNothing)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    const std::string before = readWholeFile(dir / "ga.c3d");
    setLockWaitForTesting(std::chrono::milliseconds(100));
    {
        LockInAnotherProcess other(dir.path(), DatabaseLock::Exclusive);
        ASSERT_TRUE(other.held());
        const std::string message = errorOf([&] { storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)); });
        EXPECT_TRUE(contains(message, Busy)) << message;
        EXPECT_TRUE(contains(message, "\"ga.c3d\"")) << message;
        RecordingStatus status;
        EXPECT_TRUE(contains(
            errorOf([&] { rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::TotalAndLastDate, status); }), Busy));
        EXPECT_TRUE(contains(errorOf([&] { writeDraw(dir / "ga.c3d", 0, drawOn(40000, 1, 2, 3)); }), Busy));
        writeTextLines(dir / "hot.dat", {"3  0  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
        EXPECT_TRUE(contains(errorOf([&] { checkWinners(dir.path(), "ga.c3d", 7, 0, 3, {2002, 6, 15}); }), Busy));
        EXPECT_TRUE(contains(errorOf([&] { DatabaseLock reader(dir.path(), "ga.c3d", DatabaseLock::Shared); }),
                             "Cannot read \"ga.c3d\""));
        EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before);
        EXPECT_FALSE(fileExists(dir / "quor3 winners.txt"));
    }
    EXPECT_EQ(storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)).totalDraws, 11);
}

TEST_F(FileSafety, ReadersShareTheLockAndKeepWritersOut)
{
    setLockWaitForTesting(std::chrono::milliseconds(100));
    const DatabaseLock reader(dir.path(), "ga.c3d", DatabaseLock::Shared);
    EXPECT_TRUE(LockInAnotherProcess(dir.path(), DatabaseLock::Shared).held());
    EXPECT_FALSE(LockInAnotherProcess(dir.path(), DatabaseLock::Exclusive).held());
}

TEST_F(FileSafety, TakesNestWithinOneProcessAndTheLastOneReleases)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    setLockWaitForTesting(std::chrono::milliseconds(100));
    {
        // A window holds the lock around the store and the rebuild, which take it again.
        const DatabaseLock change(dir.path(), "ga.c3d", DatabaseLock::Exclusive);
        const DatabaseLock sameFolderOtherSpelling(dir.path() / "." / "", "ga.c3d", DatabaseLock::Shared);
        EXPECT_EQ(storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)).totalDraws, 11);
        RecordingStatus status;
        EXPECT_EQ(rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::None, status).totalDraws, 11);
        EXPECT_FALSE(LockInAnotherProcess(dir.path(), DatabaseLock::Shared).held());
    }
    EXPECT_TRUE(LockInAnotherProcess(dir.path(), DatabaseLock::Exclusive).held());
}

TEST_F(FileSafety, AnExclusiveTakeInsideASharedOneConvertsTheLock)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    setLockWaitForTesting(std::chrono::milliseconds(100));
    const DatabaseLock reader(dir.path(), "ga.c3d", DatabaseLock::Shared);
    EXPECT_EQ(storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)).totalDraws, 11);
    EXPECT_FALSE(LockInAnotherProcess(dir.path(), DatabaseLock::Shared).held());
}

TEST_F(FileSafety, ALinkInPlaceOfTheLockFileIsReplacedNotFollowed)
{
    writeWholeFile(outside / "target", "keep");
    fs::create_symlink(outside / "target", lockFileFor(dir.path()));
    {
        const DatabaseLock lock(dir.path(), "ga.c3d", DatabaseLock::Exclusive);
    }
    EXPECT_FALSE(fs::is_symlink(lockFileFor(dir.path())));
    EXPECT_EQ(readWholeFile(outside / "target"), "keep");
}

TEST_F(FileSafety, AMissingFolderIsNamedWithTheDatabase)
{
    const std::string message = errorOf([&] { storeDraw(dir / "no such folder", "ga.c3d", drawOn(40000, 1, 2, 3)); });
    EXPECT_TRUE(contains(message, "\"ga.c3d\"")) << message;
    EXPECT_TRUE(contains(message, "No such file or directory")) << message;
}

// --- Many quor3-engine add at once ---

struct Added {
    DrawRecord draw;
    pid_t pid = -1;
    int status = -1;
    fs::path errors;
};

// Starts one `quor3-engine add` per draw at once, then waits for all of them.
void addAtOnce(const fs::path& database, std::vector<Added>& adds, const fs::path& logs)
{
    for (std::size_t i = 0; i < adds.size(); ++i) {
        Added& add = adds[i];
        add.errors = logs / ("err" + std::to_string(i) + ".txt");
        const std::vector<std::string> args = {QUOR3_ENGINE_CLI,
                                               "add",
                                               database.string(),
                                               monthDayYear(add.draw.DrawDate),
                                               std::to_string(add.draw.Digit1),
                                               std::to_string(add.draw.Digit2),
                                               std::to_string(add.draw.Digit3)};
        std::vector<char*> argv;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&files, 2, add.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_EQ(posix_spawn(&add.pid, argv[0], &files, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&files);
    }
    for (Added& add : adds) {
        int status = 0;
        ASSERT_EQ(::waitpid(add.pid, &status, 0), add.pid);
        add.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
}

int timesStored(const std::vector<DrawRecord>& stored, const DrawRecord& draw)
{
    return static_cast<int>(std::count_if(stored.begin(), stored.end(), [&](const DrawRecord& r) {
        return r.DrawDate == draw.DrawDate && r.Digit1 == draw.Digit1 && r.Digit2 == draw.Digit2 &&
               r.Digit3 == draw.Digit3;
    }));
}

// Every process that reported success has its draw stored once; every one
// that failed said why and has none. Returns how many succeeded.
int checkOutcomes(const std::vector<Added>& adds, const std::vector<DrawRecord>& stored)
{
    int succeeded = 0;
    for (const Added& add : adds) {
        const std::string errors = readWholeFile(add.errors);
        if (add.status == 0) {
            ++succeeded;
            EXPECT_EQ(timesStored(stored, add.draw), 1) << monthDayYear(add.draw.DrawDate);
        } else {
            EXPECT_EQ(add.status, 1) << errors;
            EXPECT_TRUE(contains(errors, Busy)) << errors;
            EXPECT_EQ(timesStored(stored, add.draw), 0) << monthDayYear(add.draw.DrawDate);
        }
    }
    return succeeded;
}

constexpr int Processes = 8;
constexpr int Rounds = 8;

std::vector<Added> roundOfDraws(int round)
{
    std::vector<Added> adds(Processes);
    for (int k = 0; k < Processes; ++k)
        adds[k].draw = drawOn(encodeDate(2010, 1, 1) + round * Processes + k, k, round % 10, (k + round) % 10);
    return adds;
}

TEST_F(FileSafety, ParallelAddsToAShortDatabaseLoseNoDrawReportedStored)
{
    const auto initial = drawsOf(variedTriples(10));
    writeDatabase(dir / "ga.c3d", initial);
    TempFolder logs;
    int stored = static_cast<int>(initial.size());
    for (int round = 0; round < Rounds; ++round) {
        std::vector<Added> adds = roundOfDraws(round);
        addAtOnce(dir / "ga.c3d", adds, logs.path());
        const auto after = readDraws(dir / "ga.c3d");
        stored += checkOutcomes(adds, after);
        ASSERT_EQ(static_cast<int>(after.size()), stored) << "round " << round;
        ASSERT_EQ(readWholeFile(dir / "ga.c3d").size() % DrawRecordSize, 0u);
    }
    const auto all = readDraws(dir / "ga.c3d");
    for (std::size_t i = 0; i < initial.size(); ++i)
        EXPECT_EQ(all[i].DrawDate, initial[i].DrawDate);
    // The last rebuild describes the database as it ended: no writer came between.
    const auto order = readCountsFile(dir / "order.dat");
    ASSERT_EQ(order.size(), 3u);
    int counted = 0;
    for (int v : order[0])
        counted += v;
    EXPECT_EQ(counted, stored);
    EXPECT_EQ(readCountsFile(dir / "freq.dat").size(), static_cast<std::size_t>(std::min(stored, 90)));
    EXPECT_TRUE(scratchFilesIn(dir.path()).empty());
}

TEST_F(FileSafety, ParallelAddsToAFullDatabaseCutItBackOnce)
{
    const auto full = drawsOf(variedTriples(MaxDraws), 30000);
    TempFolder logs;
    for (int round = 0; round < Rounds; ++round) {
        writeDatabase(dir / "ga.c3d", full);
        std::vector<Added> adds = roundOfDraws(round);
        addAtOnce(dir / "ga.c3d", adds, logs.path());
        const auto after = readDraws(dir / "ga.c3d");
        const int succeeded = checkOutcomes(adds, after);
        ASSERT_GE(succeeded, 1) << "round " << round;
        ASSERT_EQ(static_cast<int>(after.size()), DrawsKeptWhenFull + succeeded) << "round " << round;
        for (int i = 0; i < DrawsKeptWhenFull; ++i)
            ASSERT_EQ(after[i].DrawDate, full[MaxDraws - DrawsKeptWhenFull + i].DrawDate) << "round " << round;
    }
    EXPECT_TRUE(scratchFilesIn(dir.path()).empty());
}

// --- Order of a replacement: write, flush, rename ---

std::vector<std::string> events;

int recordingFlush(int fd)
{
    // The full history's own flushes (its SQLite files) are not the database's.
    char path[4096] = {};
    if (::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1) > 0 &&
        std::string(path).find(".sqlite") != std::string::npos)
        return ::fsync(fd);
    struct stat st;
    events.push_back(::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) ? "flush a folder" : "flush");
    return ::fsync(fd);
}

int recordingRename(const char* from, const char* to)
{
    struct stat st;
    const bool regular = ::lstat(from, &st) == 0 && S_ISREG(st.st_mode);
    events.push_back("rename " + std::string(regular ? "a regular file of " : "something else of ") +
                     std::to_string(regular ? st.st_size : 0) + " bytes");
    return ::rename(from, to);
}

int failingFlush(int)
{
    errno = EIO;
    return -1;
}

TEST_F(FileSafety, ACutBackIsWrittenFlushedThenRenamedOverTheDatabase)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(MaxDraws)));
    ensureHistory(dir / "ga.c3d");
    events.clear();
    setFlushFunctionForTesting(&recordingFlush);
    setRenameFunctionForTesting(&recordingRename);
    storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3));
    // The backup's note and the backup of the full database first, then the
    // database cut back; each rename made durable by a flush of its folder.
    EXPECT_EQ(events, (std::vector<std::string>{"flush", "rename a regular file of 35 bytes", "flush a folder", "flush",
                                                "rename a regular file of 17544 bytes", "flush a folder", "flush",
                                                "rename a regular file of 2184 bytes", "flush a folder"}));
    events.clear();
    storeDraw(dir.path(), "ga.c3d", drawOn(40001, 1, 2, 3));
    EXPECT_EQ(events, (std::vector<std::string>{"flush"})); // an append is flushed in place
}

TEST_F(FileSafety, AFailedFlushLeavesTheDatabaseWholeAndTheDrawUnstored)
{
    setFlushFunctionForTesting(&failingFlush);
    for (int n : {10, MaxDraws}) {
        writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(n)));
        const std::string before = readWholeFile(dir / "ga.c3d");
        const std::string message = errorOf([&] { storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)); });
        // A full database's backup is flushed first: "ga-YYYYMMDD-HHMMSS.c3d".
        EXPECT_TRUE(contains(message, "Cannot flush \"ga")) << message;
        EXPECT_TRUE(contains(message, "Input/output error")) << message;
        EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before) << n << " draws";
        EXPECT_TRUE(scratchFilesIn(dir.path()).empty());
    }
    fs::remove(dir / "ga.c3d");
    EXPECT_THROW(storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)), Error);
    EXPECT_FALSE(fs::exists(dir / "ga.c3d")); // a first draw that failed leaves no empty database
}

// The full history and the tickets are flushed through the same flush: a
// planted failure stops each change with the working file, the history and
// the tickets as they were.
TEST_F(FileSafety, AFailedFlushLeavesTheHistoryAndTheTicketsAsTheyWere)
{
    const fs::path db = dir / "ga.c3d";
    writeDatabase(db, drawsOf(variedTriples(10), 40000));
    TicketPlay play;
    play.firstDraw = 40010;
    addTicket(db, play);
    keepInHistory(db, {drawOn(39000, 4, 5, 6)});
    storeDraw(dir.path(), "ga.c3d", drawOn(40010, 0, 0, 0)); // a change to undo; the ticket wins
    const auto state = [&] {
        std::string text = readWholeFile(db) + "|";
        for (const DrawRecord& r : readHistory(db))
            text += std::to_string(r.DrawDate) + std::to_string(r.Digit1 * 100 + r.Digit2 * 10 + r.Digit3) + " ";
        for (const TicketRecord& t : listTickets(db))
            text += "|" + std::to_string(t.id) + ":" + std::to_string(t.won);
        return text;
    };
    const struct {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"an entry", [&] { storeDraw(dir.path(), "ga.c3d", drawOn(40011, 1, 2, 3)); }},
        {"an undo", [&] { undoLastChange(db); }},
        {"a draw kept in the history alone", [&] { keepInHistory(db, {drawOn(39001, 4, 5, 6)}); }},
        {"a ticket", [&] { addTicket(db, play); }},
        {"a correction of the history alone",
         [&] {
             RecordChange change;
             change.replaced.push_back({drawOn(39000, 4, 5, 6), drawOn(39000, 9, 9, 9)});
             changeRecord(db, change);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = state();
        setFlushFunctionForTesting(&failingFlush);
        const std::string message = errorOf(c.change);
        setFlushFunctionForTesting(nullptr);
        EXPECT_TRUE(contains(message, "Input/output error")) << message;
        EXPECT_EQ(state(), before);
    }
}

TEST_F(FileSafety, APartialRecordLeftAtTheEndIsCutBeforeTheAppend)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    appendToFile(dir / "ga.c3d", "tail!");
    EXPECT_EQ(storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)).totalDraws, 11);
    const std::string bytes = readWholeFile(dir / "ga.c3d");
    ASSERT_EQ(bytes.size(), 11 * DrawRecordSize);
    EXPECT_EQ(decodeDraws(bytes)[10].DrawDate, 40000);
}

TEST_F(FileSafety, AReplacedFileKeepsItsPermissions)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(MaxDraws)));
    fs::permissions(dir / "ga.c3d", fs::perms::owner_read | fs::perms::owner_write);
    storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3));
    EXPECT_EQ(modeOf(dir / "ga.c3d"), 0600u);
    writeWholeFile(dir / "hot.dat", "old");
    fs::permissions(dir / "hot.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeWholeFile(dir / "hot.dat", "new");
    EXPECT_EQ(modeOf(dir / "hot.dat"), 0640u);
}

int failingRename(const char*, const char*)
{
    errno = EIO;
    return -1;
}

TEST_F(FileSafety, TextAndSetsFilesStoppedBeforeTheRenameKeepTheirOldContents)
{
    SetsConfig config;
    config.member[0][3] = true;
    config.span = 12;
    writeSetsFile(dir / "SetsCfg.ini", config);
    writeTextLines(dir / "frequent.txt", {"old"});
    const std::string sets = readWholeFile(dir / "SetsCfg.ini");
    setRenameFunctionForTesting(&failingRename);
    config.span = 20;
    EXPECT_THROW(writeSetsFile(dir / "SetsCfg.ini", config), Error);
    EXPECT_THROW(writeTextLines(dir / "frequent.txt", {"new", "lines"}), Error);
    setRenameFunctionForTesting(nullptr);
    EXPECT_EQ(readWholeFile(dir / "SetsCfg.ini"), sets);
    EXPECT_EQ(readWholeFile(dir / "frequent.txt"), "old\r\n");
    EXPECT_TRUE(scratchFilesIn(dir.path()).empty());
}

// --- Links ---

TEST_F(FileSafety, AnOldTempFileThatIsALinkIsNeverWrittenThrough)
{
    writeWholeFile(outside / "target", "keep");
    fs::create_symlink(outside / "target", dir / "temp.dat");
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(MaxDraws)));
    storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3));
    EXPECT_EQ(readWholeFile(outside / "target"), "keep");
    EXPECT_FALSE(fs::is_symlink(dir / "ga.c3d"));
    EXPECT_EQ(countDraws(dir / "ga.c3d"), 91);
}

TEST_F(FileSafety, ADerivedFileThatIsALinkIsReplacedByARegularFile)
{
    writeWholeFile(outside / "target", "keep");
    for (const char* name : {"freq.dat", "hot.dat", "ordinal.dat"})
        fs::create_symlink(outside / "target", dir / name);
    fs::create_symlink(outside / "dangling", dir / "pair.dat");
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(12)));
    RecordingStatus status;
    rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::TotalAndLastDate, status);
    EXPECT_EQ(readWholeFile(outside / "target"), "keep");
    EXPECT_FALSE(fs::exists(outside / "dangling"));
    for (const char* name : {"freq.dat", "hot.dat", "ordinal.dat", "pair.dat"}) {
        EXPECT_FALSE(fs::is_symlink(dir / name)) << name;
        EXPECT_TRUE(fileExists(dir / name)) << name;
    }
    EXPECT_EQ(readCountsFile(dir / "freq.dat").size(), 12u);
    EXPECT_EQ(readTextLines(dir / "ordinal.dat").size(), 12u);
}

TEST_F(FileSafety, ADatabaseOrLogThatIsALinkIsNotChanged)
{
    for (int n : {10, MaxDraws}) {
        writeDatabase(outside / "real.c3d", drawsOf(variedTriples(n)));
        const std::string before = readWholeFile(outside / "real.c3d");
        fs::remove(dir / "ga.c3d");
        fs::create_symlink(outside / "real.c3d", dir / "ga.c3d");
        const std::string message = errorOf([&] { storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)); });
        EXPECT_TRUE(contains(message, "symbolic link")) << message;
        EXPECT_EQ(readWholeFile(outside / "real.c3d"), before);
        EXPECT_TRUE(fs::is_symlink(dir / "ga.c3d"));
    }
    EXPECT_TRUE(contains(errorOf([&] { writeDraw(dir / "ga.c3d", 0, drawOn(40000, 1, 2, 3)); }), "symbolic link"));
    fs::remove(dir / "ga.c3d");
    fs::create_symlink(outside / "new.c3d", dir / "ga.c3d"); // dangling: the first draw would create it there
    EXPECT_THROW(storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)), Error);
    EXPECT_FALSE(fs::exists(outside / "new.c3d"));

    writeWholeFile(outside / "log.txt", "Log began on: 1/1/2001\r\n");
    fs::create_symlink(outside / "log.txt", dir / "quor3 winners.txt");
    writeTextLines(dir / "hot.dat", {"3  0  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
    EXPECT_TRUE(contains(errorOf([&] {
                             checkWinners(dir.path(), "ga.c3d", 7, 0, 3, {2002, 6, 15});
                         }),
                         "symbolic link"));
    EXPECT_EQ(readWholeFile(outside / "log.txt"), "Log began on: 1/1/2001\r\n");
}

// --- Files the user cannot write ---

TEST_F(FileSafety, AReadOnlyDatabaseIsNeverReplacedOrChanged)
{
    // No write permission at all: refused also for the superuser, who passes access().
    for (int n : {10, MaxDraws}) {
        writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(n)));
        fs::permissions(dir / "ga.c3d", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const std::string before = readWholeFile(dir / "ga.c3d");
        const std::string message = errorOf([&] { storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)); });
        EXPECT_TRUE(contains(message, "\"ga.c3d\"")) << message;
        EXPECT_TRUE(contains(message, "Permission denied")) << message;
        EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before) << n << " draws";
        EXPECT_EQ(modeOf(dir / "ga.c3d"), 0444u);
        EXPECT_TRUE(
            contains(errorOf([&] { writeDraw(dir / "ga.c3d", 0, drawOn(40000, 1, 2, 3)); }), "Permission denied"));
        EXPECT_TRUE(contains(errorOf([&] { replaceFileAtomically(dir / "ga.c3d", "x"); }), "Permission denied"));
        EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before);
        fs::remove(dir / "ga.c3d");
    }
}

int readOnlyFileSystem(const char*)
{
    errno = EROFS;
    return -1;
}

TEST_F(FileSafety, TheSystemsAccessVerdictIsFollowed)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(MaxDraws)));
    const std::string before = readWholeFile(dir / "ga.c3d");
    writeWholeFile(dir / "hot.dat", "old");
    setWriteAccessFunctionForTesting(&readOnlyFileSystem);
    const std::string message = errorOf([&] { storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)); });
    EXPECT_TRUE(contains(message, "Cannot replace \"ga.c3d\"")) << message;
    EXPECT_TRUE(contains(message, "Read-only file system")) << message;
    EXPECT_TRUE(contains(errorOf([&] { writeWholeFile(dir / "hot.dat", "new"); }), "Read-only file system"));
    setWriteAccessFunctionForTesting(nullptr);
    EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before);
    EXPECT_EQ(readWholeFile(dir / "hot.dat"), "old");
}

// --- A full disk ---

// A 64 KiB file system of its own, where the test can mount one (as root).
class SmallDisk
{
  public:
    SmallDisk()
    {
        char templ[] = "/tmp/quor3-disk-XXXXXX";
        if (const char* made = ::mkdtemp(templ))
            path_ = made;
        mounted_ = !path_.empty() && ::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
        if (!path_.empty())
            ::rmdir(path_.c_str());
    }
    bool mounted() const { return mounted_; }
    const fs::path& path() const { return path_; }
    void fill() const
    {
        const int fd = ::open((path_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::string block(4096, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }

  private:
    fs::path path_;
    bool mounted_ = false;
};

TEST_F(FileSafety, AFullDiskIsReportedAsSuchAndChangesNothing)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs here (it needs root): the full-disk cases are left out";
    // 170 draws end 16 bytes before a page boundary: the next record is written in part, then the disk is full.
    writeDatabase(disk.path() / "ga.c3d", drawsOf(variedTriples(170)));
    writeDatabase(disk.path() / "full.c3d", drawsOf(variedTriples(MaxDraws)));
    writeWholeFile(disk.path() / "hot.dat", "old");
    {
        const DatabaseLock made(disk.path(), "ga.c3d", DatabaseLock::Exclusive);
    }
    const std::string before = readWholeFile(disk.path() / "ga.c3d");
    const std::string fullBefore = readWholeFile(disk.path() / "full.c3d");
    disk.fill();

    std::string message = errorOf([&] { storeDraw(disk.path(), "ga.c3d", drawOn(40000, 1, 2, 3)); });
    // The full history is written first: either file's write may be the one that finds the disk full.
    EXPECT_TRUE(contains(message, "\"ga.c3d")) << message;
    EXPECT_TRUE(contains(message, "No space left on device")) << message;
    EXPECT_EQ(readWholeFile(disk.path() / "ga.c3d"), before);

    message = errorOf([&] { storeDraw(disk.path(), "full.c3d", drawOn(40000, 1, 2, 3)); });
    EXPECT_TRUE(contains(message, "No space left on device")) << message;
    EXPECT_EQ(readWholeFile(disk.path() / "full.c3d"), fullBefore);

    message = errorOf([&] { writeWholeFile(disk.path() / "hot.dat", std::string(8192, 'n')); });
    EXPECT_TRUE(contains(message, "No space left on device")) << message;
    EXPECT_EQ(readWholeFile(disk.path() / "hot.dat"), "old");
    EXPECT_TRUE(scratchFilesIn(disk.path()).empty());
}

// The same partial write without a small disk: a file size limit stops the
// record after its first bytes, and the limit's own error is the reason given.
TEST_F(FileSafety, AWriteStoppedPartWayGivesItsOwnReason)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(21))); // 504 bytes; the limit is 512
    const std::string before = readWholeFile(dir / "ga.c3d");
    const std::string command = "trap '' XFSZ; ulimit -f 1; exec '" + std::string(QUOR3_ENGINE_CLI) + "' add '" +
                                (dir / "ga.c3d").string() + "' 3/1/2002 1 2 3 2>'" + (outside / "err").string() +
                                "' >/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    const std::string errors = readWholeFile(outside / "err");
    EXPECT_TRUE(contains(errors, "\"ga.c3d")) << errors;
    EXPECT_TRUE(contains(errors, "File too large")) << errors;
    EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before);
}

} // namespace

// --- Files that are no files, writers that were killed, rebuilds that fail ---

TEST_F(FileSafety, AFifoOrADeviceIsRefusedAtOnceNotWaitedOn)
{
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    // In a child, so that a read that hangs fails the test instead of stopping it.
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string fifo = errorOf([&] { readWholeFile(dir / "fifo"); });
        const std::string device = errorOf([&] { readWholeFile("/dev/zero"); });
        ::_exit(contains(fifo, "not a regular file") && contains(device, "not a regular file") ? 0 : 1);
    }
    int status = -1;
    for (int i = 0; i < 500 && ::waitpid(child, &status, WNOHANG) == 0; ++i)
        ::usleep(10000);
    if (::waitpid(child, &status, WNOHANG) == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "reading a FIFO hangs";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(FileSafety, TheNextWriterRemovesScratchFilesOfKilledWritersOnly)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    fs::create_directory(dir / "backups");
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone), alive = std::to_string(::getppid());
    ensureHistory(dir / "ga.c3d");
    const std::vector<fs::path> leftOver = {dir / (".ga.c3d." + dead + "-0"), dir / (".freq.dat." + dead + "-3"),
                                            dir / "backups" / (".ga.c3d-20261207T120000Z.c3d." + dead + "-1"),
                                            dir / (".ga.c3d.sqlite." + dead + "-2"),
                                            dir / (".ga.c3d.sqlite." + dead + "-2-journal")};
    const std::vector<fs::path> kept = {dir / (".ga.c3d." + alive + "-0"), dir / (".notes." + dead + "-0")};
    writeWholeFile(dir / "freq.dat", "");
    for (const auto& file : leftOver)
        writeWholeFile(file, "scratch");
    for (const auto& file : kept)
        writeWholeFile(file, "scratch");
    // A reader leaves them; the next writer tidies up.
    {
        const DatabaseLock reader(dir.path(), "ga.c3d", DatabaseLock::Shared);
    }
    EXPECT_TRUE(fs::exists(leftOver[0]));
    storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3));
    for (const auto& file : leftOver)
        EXPECT_FALSE(fs::exists(file)) << file;
    for (const auto& file : kept)
        EXPECT_TRUE(fs::exists(file)) << file;
}

TEST_F(FileSafety, AReaderWhoseUpgradeTimesOutStillHoldsItsSharedLock)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    setLockWaitForTesting(std::chrono::milliseconds(100));
    const DatabaseLock reader(dir.path(), "ga.c3d", DatabaseLock::Shared);
    {
        LockInAnotherProcess otherReader(dir.path(), DatabaseLock::Shared);
        ASSERT_TRUE(otherReader.held());
        EXPECT_TRUE(contains(errorOf([&] { storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3)); }), Busy));
    }
    // The other reader has gone; this one still keeps writers out.
    EXPECT_FALSE(LockInAnotherProcess(dir.path(), DatabaseLock::Exclusive).held());
    EXPECT_TRUE(LockInAnotherProcess(dir.path(), DatabaseLock::Shared).held());
}

int refuseCold(const char* file)
{
    if (fs::path(file).filename() == "cold.dat") {
        errno = EACCES;
        return -1;
    }
    return ::faccessat(AT_FDCWD, file, W_OK, AT_EACCESS);
}

TEST_F(FileSafety, ARebuildThatCannotWriteOneFileLeavesAllOfThemOld)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(40)));
    RecordingStatus status;
    rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::TotalAndLastDate, status);
    std::vector<std::pair<std::string, std::string>> before;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        if (entry.path().filename() != "ga.c3d" && entry.path() != historyFileFor(dir / "ga.c3d"))
            before.emplace_back(entry.path().filename().string(), readWholeFile(entry.path()));
    std::sort(before.begin(), before.end());
    storeDraw(dir.path(), "ga.c3d", drawOn(40000, 9, 9, 9));
    setWriteAccessFunctionForTesting(&refuseCold);
    const std::string said = rebuildAfterChange(dir.path(), "ga.c3d", FirstPanels::None, status);
    EXPECT_TRUE(contains(said, "The change is stored, but the statistics could not be updated: Cannot")) << said;
    EXPECT_TRUE(contains(said, "\"cold.dat\"")) << said;
    std::vector<std::pair<std::string, std::string>> after;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        if (entry.path().filename() != "ga.c3d" && entry.path() != historyFileFor(dir / "ga.c3d"))
            after.emplace_back(entry.path().filename().string(), readWholeFile(entry.path()));
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
    setWriteAccessFunctionForTesting(nullptr);
    EXPECT_EQ(rebuildAfterChange(dir.path(), "ga.c3d", FirstPanels::None, status), "");
}
