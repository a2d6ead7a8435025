// Opens every window of the program from its menu item, on a database of 731
// draws and on one of 20,000, and times each from the menu command to the
// window painted with its contents; and My Tickets on a database of 731 draws
// whose player keeps 3,000 tickets. An empty dialog opened the same way is
// the floor: what showing, activating and painting any window costs.

#include "app/MainWindow.h"
#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/TicketStore.h"
#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

// The menu items that open a window, in menu order. Items missing from the
// menu (not built in this tree) are left out of the run.
const char* const windowItems[] = {"ImportDraws1",    "RestoreBackup1", "DeleteDatabase1", "Add1",
                                   "AddDraw1",        "GraphTotals1",   "OddEvenRatio1",   "PercentageRepeats1",
                                   "HotColdNumbers1", "Sums1",          "SetsGraph1",      "FairnessCheck1",
                                   "Totals1",         "Pairs1",         "Frequency1",      "Ordinal1",
                                   "Display1",        "Search1",        "Picks1",          "Backtest1",
                                   "WhatChance1",     "BuildPlays1",    "MyTickets1",      "PrizeTable1",
                                   "ResultsSource1",  "AboutQuor31"};

// Menu items that do something other than open a window of their own.
const std::set<std::string> notWindows = {"OpenDatabase1",  "CloseDatabase1",   "Exit1",
                                          "UndoLastEntry1", "ExportDraws1",     "Contents1",
                                          "ResultsSite1",   "Quor3WebSupport1", "GetNewResults1"};

// Waits for the next modal window to be activated; once its activation
// handler has filled it, lays it out, paints it whole and closes it.
class PaintedWatch : public QObject
{
  public:
    void arm() { armed_ = true, finished_ = false; }
    bool finished() const { return finished_; }
    Clock::time_point paintedAt() const { return paintedAt_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (armed_ && event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window == QApplication::activeModalWidget()) {
                armed_ = false;
                // Queued: runs once the window's own activation handler is done.
                QMetaObject::invokeMethod(
                    this, [this, window] { finish(window); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

  private:
    void finish(QWidget* window)
    {
        // Layout requests and scene updates posted by the handler, then one
        // complete paint of the window and all it holds.
        QCoreApplication::sendPostedEvents();
        window->repaint();
        paintedAt_ = Clock::now();
        finished_ = true;
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    }

    bool armed_ = false;
    bool finished_ = false;
    Clock::time_point paintedAt_;
};

struct Bench {
    QTemporaryDir home;
    std::unique_ptr<MainWindow> main;
    PaintedWatch watch;
    std::string openName;
};
Bench* bench = nullptr;

QString dataFolderPath()
{
    return bench->home.path() + "/quor3box";
}

void writeDatabase(const std::string& name, int n)
{
    std::vector<quor3::DrawRecord> records;
    records.reserve(static_cast<std::size_t>(n));
    // Daily draws up to the end of 2024.
    const double first = quor3::encodeDate(2025, 1, 1) - n;
    for (int i = 0; i < n; ++i) {
        quor3::DrawRecord r;
        r.DrawDate = first + i;
        r.Digit1 = (i * 7 + 3) % 10;
        r.Digit2 = (i * 3 + 1) % 10;
        r.Digit3 = (i * i + 5) % 10;
        records.push_back(r);
    }
    quor3::writeWholeFile(quor3::fs::path(dataFolderPath().toStdString()) / name, quor3::encodeDraws(records));
}

QAction* menuItem(const char* name)
{
    return bench->main->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
}

// Opens the database through File > Open Database, with its full rebuild.
void openDatabase(const std::string& name)
{
    if (bench->openName == name)
        return;
    Dialogs::queueFile(dataFolderPath() + "/" + QString::fromStdString(name));
    menuItem("OpenDatabase1")->trigger();
    bench->openName = name;
}

// One opening: from the menu command to the window painted; the close is not timed.
double openOnce(const std::function<void()>& command)
{
    bench->watch.arm();
    const auto start = Clock::now();
    command();
    if (!bench->watch.finished())
        return -1;
    return std::chrono::duration<double>(bench->watch.paintedAt() - start).count();
}

// Without a stored span every graph tracks all the draws: the largest bars.
void forgetStoredSpans()
{
    QFile::remove(Settings::filePath());
}

void runOpenings(benchmark::State& state, const std::string& database, const std::function<void()>& command)
{
    openDatabase(database);
    for (auto _ : state) {
        state.PauseTiming();
        forgetStoredSpans();
        state.ResumeTiming();
        const double seconds = openOnce(command);
        if (seconds < 0) {
            state.SkipWithError("no window came up");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["draws"] = static_cast<double>(Session::instance().totalDraws);
}

// A player's tickets, as years of play leave them: 3,000 of one to ten draws
// each, over the draws of the database, every bet type and stake, settled.
void addTickets(const std::string& name, int tickets)
{
    const quor3::fs::path database = quor3::fs::path(dataFolderPath().toStdString()) / name;
    quor3::ensureHistory(database);
    const quor3::fs::path file = quor3::historyFileFor(database);
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* put = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO tickets (first_draw, draws, digit1, digit2, digit3, bet_type, stake_cents,"
                       " added_at) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?1)",
                       -1, &put, nullptr);
    const char* const types[] = {"straight", "box", "straightbox", "combo", "frontpair", "backpair"};
    const double first = quor3::encodeDate(2025, 1, 1) - 731;
    for (int i = 0; i < tickets; ++i) {
        // A triple cannot be boxed: every number here has two different digits.
        const int d1 = i % 10, d2 = (i / 10 + 1 + d1) % 10, d3 = (i * 7) % 10;
        sqlite3_bind_double(put, 1, first + (i * 731 / tickets));
        sqlite3_bind_int(put, 2, 1 + i % 10);
        sqlite3_bind_int(put, 3, d1);
        sqlite3_bind_int(put, 4, d2 == d1 ? (d1 + 1) % 10 : d2);
        sqlite3_bind_int(put, 5, d3);
        sqlite3_bind_text(put, 6, types[i % 6], -1, SQLITE_STATIC);
        sqlite3_bind_int(put, 7, (i % 6 == 2 ? 100 : 50) * (1 + i % 2));
        sqlite3_step(put);
        sqlite3_reset(put);
    }
    sqlite3_finalize(put);
    quor3::settleTicketsForDates(db, file, {first, first + 731});
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void registerFloor(const std::string& db, const std::string& suffix)
{
    benchmark::RegisterBenchmark(("EmptyDialog" + suffix).c_str(),
                                 [db](benchmark::State& state) {
                                     runOpenings(state, db, [] {
                                         QDialog dialog(bench->main.get());
                                         dialog.resize(400, 300);
                                         QLabel label("Floor", &dialog);
                                         dialog.exec();
                                     });
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void registerAll()
{
    const std::pair<const char*, int> sizes[] = {{"draws731.c3d", 731}, {"draws20000.c3d", 20000}};
    for (const auto& [database, draws] : sizes) {
        writeDatabase(database, draws);
        const std::string db = database;
        const std::string suffix = "/" + std::to_string(draws);
        registerFloor(db, suffix);
        for (const char* item : windowItems) {
            QAction* action = menuItem(item);
            if (!action)
                continue;
            // Named by the menu item's caption: "Graph_Totals/731".
            const std::string caption = action->text().remove('&').trimmed().replace(' ', '_').toStdString();
            benchmark::RegisterBenchmark(
                (caption + suffix).c_str(),
                [db, action](benchmark::State& state) { runOpenings(state, db, [action] { action->trigger(); }); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    // My Tickets of a player who has kept 3,000 tickets.
    writeDatabase("tickets731.c3d", 731);
    addTickets("tickets731.c3d", 3000);
    registerFloor("tickets731.c3d", "/731/3000_tickets");
    if (QAction* action = menuItem("MyTickets1"))
        benchmark::RegisterBenchmark("My_Tickets/731/3000_tickets",
                                     [action](benchmark::State& state) {
                                         runOpenings(state, "tickets731.c3d", [action] { action->trigger(); });
                                     })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    // Items this run does not know: a window added to the menu since shows up here.
    std::set<std::string> known(std::begin(windowItems), std::end(windowItems));
    for (QAction* action : bench->main->menuBar()->findChildren<QAction*>()) {
        const std::string name = action->objectName().toStdString();
        if (!name.empty() && !action->menu() && !known.count(name) && !notWindows.count(name))
            std::fprintf(stderr, "note: menu item %s is not measured\n", name.c_str());
    }
}

void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The offscreen platform remarks on every dialog it cannot size by hints.
    if (message.contains("propagateSizeHints"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    Bench state;
    bench = &state;
    // The settings file and the data folder live in a scratch home.
    qputenv("HOME", state.home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (state.home.path() + "/.config").toLocal8Bit());

    qInstallMessageHandler(quietPlatformNotes);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quor 3");
    QDir().mkpath(dataFolderPath());
    Dialogs::setTestMode(true);
    Session::instance().folder = dataFolderPath().toStdString();

    state.main = std::make_unique<MainWindow>();
    state.main->show();
    app.installEventFilter(&state.watch);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    state.main.reset();
    return 0;
}
