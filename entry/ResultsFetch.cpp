#include "entry/ResultsFetch.h"

#include "engine/Errors.h"
#include "engine/GameImport.h"
#include "engine/History.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "engine/Tickets.h"
#include "entry/Arrivals.h"
#include "entry/ArrivalsDialog.h"
#include "entry/CutBackQuestion.h"
#include "entry/FetchModule.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QShortcut>
#include <QStatusBar>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

#include <sys/stat.h>

namespace
{

// The status texts of a draw of the game that is not open: nobody shows them.
class QuietSink : public quor3::StatusSink
{
  public:
    void setStatusText(int, const std::string&) override {}
};

QString title()
{
    return QCoreApplication::translate("ResultsFetch", "Get New Results");
}

QString stampOf(const std::filesystem::path& file)
{
    struct stat info {
    };
    if (::stat(file.c_str(), &info) != 0)
        return QString();
    return QString("%1 %2.%3 %4").arg(info.st_size).arg(info.st_mtim.tv_sec).arg(info.st_mtim.tv_nsec).arg(info.st_ino);
}

} // namespace

ResultsFetch::ResultsFetch(QMainWindow* window) : QObject(window), window_(window)
{
    label_ = new QLabel(window);
    label_->setObjectName("ResultsStatus");
    // It takes the room the five panels leave, never theirs: a long address
    // is cut at the window's edge, and its tip shows it whole.
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    window->statusBar()->addPermanentWidget(label_, 1);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape_->setObjectName("CancelFetch");
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &ResultsFetch::cancel);
    connect(&future_, &QFutureWatcher<Result>::finished, this, &ResultsFetch::store);

    settle_.setSingleShot(true);
    settle_.setInterval(150); // a rename and the rebuild after it come as one change
    connect(&settle_, &QTimer::timeout, this, &ResultsFetch::noticeChange);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
}

ResultsFetch::~ResultsFetch()
{
    cancel();
    future_.waitForFinished();
}

void ResultsFetch::showStatus(const QString& text)
{
    label_->setText(text);
    label_->setToolTip(text);
    // A fetch runs while the user does other things: its news is spoken.
    announce(label_, text);
}

void ResultsFetch::fetchNow()
{
    start(false);
}

void ResultsFetch::databaseOpened()
{
    stamp_.clear();
    watch();
    const Session& session = Session::instance();
    if (running() && (session.folder != folder_ || session.databaseName != databaseName_))
        cancel(); // its results belong to the database open before
    tellChangesSinceShown();
    std::optional<quor3::ResultsSource> source;
    try {
        source = quor3::readResultsSource(quor3::settingsFilePath(), session.databaseName);
    } catch (const quor3::Error& e) {
        showStatus(QString::fromUtf8(e.what()));
        return;
    }
    if (source && source->checkAtOpen)
        start(true);
}

void ResultsFetch::databaseClosed()
{
    cancel();
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    stamp_.clear();
    showStatus(QString());
}

void ResultsFetch::cancel()
{
    if (cancel_)
        cancel_->store(true);
}

void ResultsFetch::start(bool quiet)
{
    if (running()) {
        // A check at open while the fetch for the database closed before
        // still winds down: it runs once that one is done.
        startWhenDone_ = startWhenDone_ || quiet;
        return;
    }
    const Session& session = Session::instance();
    if (session.databaseName.empty())
        return;
    std::optional<quor3::ResultsSource> source;
    bool conditional = false;
    const bool ok = runGuarded(window_, [&] {
        source = quor3::readResultsSource(quor3::settingsFilePath(), session.databaseName);
        conditional = quor3::mayFetchConditionally(session.folder, session.databaseName);
    });
    if (!ok)
        return;
    if (!source) {
        if (!quiet)
            Dialogs::inform(window_, title(),
                            tr("No results source is set for ") + session.databaseNameText() +
                                tr(".\nFile > Results Source... sets the address of the results file."));
        return;
    }
    folder_ = session.folder;
    databaseName_ = session.databaseName;
    source_ = *source;
    quiet_ = quiet;
    cancel_ = std::make_shared<std::atomic<bool>>(false);

    const QString address = QString::fromStdString(source->address);
    showStatus(tr("Getting new results from ") + address + tr(" (Esc cancels)"));
    escape_->setEnabled(true);
    quor3::FetchOptions options;
    QPointer<QLabel> label = label_;
    auto shown = std::make_shared<std::atomic<long long>>(0);
    options.progress = [label, address, shown](long long received, long long total) {
        // At most one update per 64 KB: the status bar need not follow every packet.
        if (received - shown->load() < 65536 && received != total)
            return;
        shown->store(received);
        const QString text = tr("Getting new results from %1: %2 KB%3 (Esc cancels)")
                                 .arg(address)
                                 .arg(received / 1024)
                                 .arg(total > 0 ? tr(" of %1 KB").arg(total / 1024) : QString());
        QMetaObject::invokeMethod(
            label,
            [label, text] {
                if (label)
                    label->setText(text);
            },
            Qt::QueuedConnection);
    };
    options.cancel = cancel_.get();
    // The game's other draws (Morning, Day, ...) come with it, stored as the
    // command line stores them; the open one is stored on this thread.
    std::vector<std::string> others;
    runGuarded(window_, [&] { others = quor3::gameDatabases(quor3::settingsFilePath(), session.databaseName); });
    others.erase(std::remove(others.begin(), others.end(), session.databaseName), others.end());
    future_.setFuture(
        QtConcurrent::run([source = *source, options, conditional, keep = cancel_, others, folder = folder_]() {
            Result result;
            try {
                result.fetched = quor3::fetchResults(source, options, conditional, &FetchModule::fetchFile);
            } catch (const quor3::FetchCancelled& e) {
                result.failure = QString::fromUtf8(e.what());
                result.cancelled = true;
            } catch (const std::exception& e) {
                result.failure = QString::fromUtf8(e.what());
            }
            quor3::FetchOptions quietOptions;
            quietOptions.cancel = keep.get();
            for (const std::string& name : others) {
                if (result.cancelled || keep->load())
                    break;
                try {
                    if (!quor3::readResultsSource(quor3::settingsFilePath(), name))
                        continue;
                    QuietSink sink;
                    const long long mark = quor3::ticketChangeMark(folder / name);
                    const quor3::NewResultsOutcome outcome = quor3::fetchNewResults(
                        quor3::settingsFilePath(), folder, name, quietOptions, sink, &FetchModule::fetchFile);
                    const std::vector<std::string> wins = quor3::announcementsSince(folder / name, mark);
                    if (fetchBroughtNews(outcome, wins))
                        result.gameNews << fetchSummary(name, outcome, wins);
                } catch (const std::exception& e) {
                    result.gameNews << QString::fromStdString(name) + ": " + QString::fromUtf8(e.what());
                }
            }
            return result;
        }));
}

void ResultsFetch::store()
{
    escape_->setEnabled(false);
    if (startWhenDone_) {
        startWhenDone_ = false;
        QTimer::singleShot(0, this, [this] { start(true); });
    }
    const Result result = future_.result();
    const Session& session = Session::instance();
    const bool sameDatabase = session.folder == folder_ && session.databaseName == databaseName_;
    // The other draws' stores rebuilt the folder's derived files for themselves.
    if (sameDatabase && !result.gameNews.isEmpty())
        runGuarded(window_, [this] {
            if (!quor3::derivedFilesBelongTo(folder_, databaseName_)) {
                StatusBarSink sink;
                quor3::rebuildAfterChange(folder_, databaseName_, quor3::FirstPanels::TotalAndLastDate, sink);
            }
        });
    const QString gameNews = result.gameNews.join(QStringLiteral("\n\n"));
    if (!result.failure.isEmpty() || !sameDatabase) {
        if (!gameNews.isEmpty())
            ArrivalsDialog::present(window_, gameNews);
        showStatus(sameDatabase ? result.failure : QString());
        if (sameDatabase && !quiet_ && !result.cancelled)
            Dialogs::inform(window_, title(), result.failure, {}, QMessageBox::Warning);
        emit finished();
        return;
    }
    // Asked before anything is written: the question waits for the player.
    bool agreed = true;
    const bool asked = runGuarded(window_, [&] { agreed = cutBackAgreed(result.fetched); });
    // The player may have opened another database while the question waited.
    const bool stillOpen = session.folder == folder_ && session.databaseName == databaseName_;
    if (!asked || !agreed || !stillOpen) {
        showStatus(stillOpen ? tr("Get New Results stored nothing.") : QString());
        emit finished();
        return;
    }
    quor3::NewResultsOutcome outcome;
    std::vector<std::string> ticketWins;
    QString refusal;
    try {
        StatusBarSink sink;
        // The tickets the new draws settle, however many writes the store takes.
        const long long mark = quor3::ticketChangeMark(folder_ / databaseName_);
        outcome = quor3::storeFetchedResults(quor3::settingsFilePath(), folder_, databaseName_, source_, result.fetched,
                                             sink);
        ticketWins = quor3::announcementsSince(folder_ / databaseName_, mark);
    } catch (const std::exception& e) {
        refusal = QString::fromUtf8(e.what());
    }
    // Our own change needs no second look from the watcher.
    stamp_ = databaseStamp();
    watch();
    rememberShown();
    // The news goes to the summary; the status bar keeps the count and the last draw.
    label_->clear();
    label_->setToolTip(QString());
    if (!refusal.isEmpty()) {
        ArrivalsDialog::present(window_,
                                tr("Nothing was stored in %1: %2").arg(QString::fromStdString(databaseName_), refusal));
    } else {
        Session::instance().totalDraws = outcome.totalDraws;
        // The check at open speaks up only when something came.
        if (!quiet_ || fetchBroughtNews(outcome, ticketWins) || !gameNews.isEmpty())
            ArrivalsDialog::present(window_, fetchSummary(databaseName_, outcome, ticketWins) +
                                                 (gameNews.isEmpty() ? QString() : "\n\n" + gameNews));
    }
    emit finished();
}

bool ResultsFetch::cutBackAgreed(const quor3::FetchedResults& fetched)
{
    const std::filesystem::path database = folder_ / databaseName_;
    if (fetched.notModified || !quor3::fileExists(database))
        return true;
    const std::vector<quor3::DrawRecord> stored = quor3::readDraws(database);
    const quor3::NewResultsPlan plan = quor3::planNewResults(stored, fetched.draws);
    // Each draw is stored as an entry is: the one that finds the database at
    // its limit cuts it back. Filling an empty database is an import.
    const auto held = static_cast<long long>(stored.size());
    const auto adding = static_cast<long long>(plan.newer.size());
    if (plan.fillAsImport || held + adding <= quor3::MaxDraws || cutBackAnswerRemembered(database))
        return true;
    const long long kept = quor3::summarizeHistory(database).draws + adding;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString name = QString::fromStdString(databaseName_);
    const QString text =
        adding == 1
            ? tr("%1 holds %2 draws, its limit is %3. Storing the new draw keeps the newest %4 in it for the reports; "
                 "every draw stays in the full history (%5 draws) and in a backup. Store it?")
                  .arg(name, english.toString(held), english.toString(quor3::MaxDraws))
                  .arg(quor3::DrawsKeptWhenFull)
                  .arg(english.toString(kept))
            : tr("%1 holds %2 draws, its limit is %3. Storing the %6 new draws keeps the newest %4 or more in it for "
                 "the reports; every draw stays in the full history (%5 draws) and in a backup. Store them?")
                  .arg(name, english.toString(held), english.toString(quor3::MaxDraws))
                  .arg(quor3::DrawsKeptWhenFull)
                  .arg(english.toString(kept))
                  .arg(adding);
    return askCutBack(window_, text, database, true);
}

void ResultsFetch::changedByProgram()
{
    const Session& session = Session::instance();
    if (session.databaseName.empty())
        return;
    rememberShown();
}

void ResultsFetch::rememberShown()
{
    const Session& session = Session::instance();
    try {
        rememberShownState(session.databasePath(), databaseState(session.folder, session.databaseName));
    } catch (const std::exception&) {
        // A database that cannot be read now brings its news at the next look.
    }
}

void ResultsFetch::tellChangesSinceShown()
{
    const Session& session = Session::instance();
    if (session.databaseName.empty())
        return;
    QString news;
    try {
        const ShownState now = databaseState(session.folder, session.databaseName);
        // The first look at a database remembers it; there is nothing to compare yet.
        if (const std::optional<ShownState> before = lastShownState(session.databasePath()))
            news = changesSince(session.folder, session.databaseName, *before, now);
        rememberShownState(session.databasePath(), now);
    } catch (const std::exception&) {
        return; // the open itself reports a database it cannot read
    }
    if (!news.isEmpty())
        ArrivalsDialog::present(window_, news);
}

QString ResultsFetch::databaseStamp() const
{
    const Session& session = Session::instance();
    return stampOf(session.databasePath()) + " " + stampOf(quor3::historyFileFor(session.databasePath()));
}

void ResultsFetch::watch()
{
    const Session& session = Session::instance();
    if (session.databaseName.empty())
        return;
    const QString database = QString::fromStdString(session.databasePath().string());
    const QString folder = QString::fromStdString(session.folder.string());
    // A database replaced by a rename is a new file: it is watched afresh.
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (QFileInfo::exists(database))
        watcher_.addPath(database);
    // The tickets and the full history live there; the command line changes them too.
    const QString history = QString::fromStdString(quor3::historyFileFor(session.databasePath()).string());
    if (QFileInfo::exists(history))
        watcher_.addPath(history);
    // The folder tells of a database made where there was none.
    if (!watcher_.directories().contains(folder)) {
        if (!watcher_.directories().isEmpty())
            watcher_.removePaths(watcher_.directories());
        watcher_.addPath(folder);
    }
    if (stamp_.isEmpty())
        stamp_ = databaseStamp();
}

void ResultsFetch::noticeChange()
{
    const Session& session = Session::instance();
    if (session.databaseName.empty())
        return;
    watch();
    // Another database of the folder may have had the shared derived files written for it.
    if (Session::instance().keepStatisticsOwn())
        emit Session::instance().events.changedOnDisk();
    const QString now = databaseStamp();
    if (now == stamp_)
        return; // the derived files, or another database of the folder
    try {
        StatusBarSink sink;
        quor3::showDatabaseState(session.folder, session.databaseName, sink);
        stamp_ = now;
        Session::instance().totalDraws =
            quor3::fileExists(session.databasePath()) ? quor3::countDraws(session.databasePath()) : 0;
        emit databaseChangedOnDisk();
        // The open windows show it too.
        emit Session::instance().events.changedOnDisk();
        // With no window of the program open, the change is another process's
        // (a window's own changes count as shown when it closes): its news is told.
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<ArrivalsDialog*>(modal))
            tellChangesSinceShown();
    } catch (const quor3::Error&) {
        settle_.start(); // another process still holds the database: look again shortly
    }
}
