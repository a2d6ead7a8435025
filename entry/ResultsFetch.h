#pragma once

#include "engine/NewResults.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <memory>

class QLabel;
class QMainWindow;
class QShortcut;

// File > Get New Results and the check when a database opens: the source is
// fetched and read off the GUI thread, the new draws are stored on it (the
// store is quick, and no other change of the database can come between).
// The status bar shows the address and the progress; Escape cancels; what
// arrived is told in the "What Arrived" summary. It also watches the open
// database and its full history, so that a change by another process (the
// daily timer, the command line, a second copy of the program) shows in the
// status bar within a second, and the news it brought in the summary.
class ResultsFetch : public QObject
{
    Q_OBJECT
  public:
    explicit ResultsFetch(QMainWindow* window);
    ~ResultsFetch() override;

    // F5: a database without a source, or a failure, is reported in a message.
    void fetchNow();
    // After a database opened: watches it, and fetches when its source says
    // so; a failure shows in the status bar only.
    void databaseOpened();
    void databaseClosed();
    void cancel();
    // A window of the program changed the database (an entry, an import, a
    // restore, an undo): what it holds now counts as shown, and is no news
    // at the next open.
    void changedByProgram();
    bool running() const { return future_.isRunning(); }
    QLabel* statusLabel() const { return label_; }

  signals:
    void finished();
    // Another process changed the open database; the status bar shows it,
    // and Session's events tell the open windows.
    void databaseChangedOnDisk();

  private:
    struct Result {
        quor3::FetchedResults fetched;
        QString failure;
        bool cancelled = false;
        // What the fetch of the game's other draws brought, each draw's summary.
        QStringList gameNews;
    };
    void start(bool quiet);
    void store();
    // The cut-back question before a store past the database's limit; false
    // when the player refused, and nothing is to be stored.
    bool cutBackAgreed(const quor3::FetchedResults& fetched);
    // "What Arrived" for what another process changed since the program last
    // showed the open database, when anything came.
    void tellChangesSinceShown();
    void rememberShown();
    QString databaseStamp() const;
    void watch();
    void noticeChange();
    void showStatus(const QString& text);

    QMainWindow* window_;
    QLabel* label_;
    QShortcut* escape_;
    QFutureWatcher<Result> future_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    // What the running fetch is for: the database may be closed meanwhile.
    std::filesystem::path folder_;
    std::string databaseName_;
    quor3::ResultsSource source_;
    bool quiet_ = false;
    bool startWhenDone_ = false;

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString stamp_; // size, time and file of the database and its history when last shown
};
