#include "entry/ResultsFetch.h"

#include "engine/Errors.h"
#include "engine/ResultsSource.h"
#include "engine/Tickets.h"
#include "entry/FetchModule.h"
#include "entry/TicketWins.h"
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

#include <sys/stat.h>

namespace
{

QString title()
{
    return QCoreApplication::translate("ResultsFetch", "Get New Results");
}

QString joined(const std::vector<std::string>& lines)
{
    QStringList parts;
    for (const auto& line : lines)
        parts << QString::fromStdString(line);
    return parts.join("; ");
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
    future_.setFuture(QtConcurrent::run([source = *source, options, conditional, keep = cancel_]() {
        Result result;
        try {
            result.fetched = quor3::fetchResults(source, options, conditional, &FetchModule::fetchFile);
        } catch (const quor3::FetchCancelled& e) {
            result.failure = QString::fromUtf8(e.what());
            result.cancelled = true;
        } catch (const std::exception& e) {
            result.failure = QString::fromUtf8(e.what());
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
    if (!result.failure.isEmpty() || !sameDatabase) {
        showStatus(sameDatabase ? result.failure : QString());
        if (sameDatabase && !quiet_ && !result.cancelled)
            Dialogs::inform(window_, title(), result.failure, {}, QMessageBox::Warning);
        emit finished();
        return;
    }
    quor3::NewResultsOutcome outcome;
    std::vector<std::string> ticketWins;
    auto storeIt = [&] {
        StatusBarSink sink;
        // The tickets the new draws settle, however many writes the store takes.
        const long long mark = quor3::ticketChangeMark(folder_ / databaseName_);
        outcome = quor3::storeFetchedResults(quor3::settingsFilePath(), folder_, databaseName_, source_, result.fetched,
                                             sink);
        ticketWins = quor3::announcementsSince(folder_ / databaseName_, mark);
    };
    bool stored = true;
    if (quiet_) {
        // The check at open reports in the status bar, never in a box.
        try {
            storeIt();
        } catch (const std::exception& e) {
            stored = false;
            showStatus(QString::fromUtf8(e.what()));
        }
    } else {
        stored = runGuarded(window_, storeIt);
        if (!stored)
            showStatus(tr("Get New Results failed; nothing was added."));
    }
    if (stored) {
        Session::instance().totalDraws = outcome.totalDraws;
        // Our own change needs no second look from the watcher.
        stamp_ = stampOf(folder_ / databaseName_);
        watch();
        showStatus(joined(quor3::summaryOf(outcome)) + " (" + QString::fromStdString(source_.address) + ")");
        if (!outcome.matches.empty()) {
            QString text = QString::fromStdString(quor3::announcementOf(outcome.matches));
            text.replace("\r\n", "\n");
            Dialogs::inform(window_, QApplication::applicationName(), text);
        }
        announceTicketWins(window_, ticketWins);
    }
    emit finished();
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
    // The folder tells of a database made where there was none.
    if (!watcher_.directories().contains(folder)) {
        if (!watcher_.directories().isEmpty())
            watcher_.removePaths(watcher_.directories());
        watcher_.addPath(folder);
    }
    if (stamp_.isEmpty())
        stamp_ = stampOf(session.databasePath());
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
    const QString now = stampOf(session.databasePath());
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
    } catch (const quor3::Error&) {
        settle_.start(); // another process still holds the database: look again shortly
    }
}
