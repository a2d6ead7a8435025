#pragma once

#include "engine/Backups.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

// Tells the open windows that another process (the daily timer, the command
// line, a second copy of the program) changed the open database, so that each
// shows it as it is now. The main window's watcher raises it; a window of its
// own change hears it too, and looks whether anything it shows differs.
class DatabaseEvents : public QObject
{
    Q_OBJECT
  public:
    // Set (true) on a window that follows the change itself; any other open
    // window reads the database again as when it is activated.
    static constexpr const char* FollowedByWindow = "followsDatabaseChanges";

  signals:
    void changedOnDisk();
};

// The open database as every window sees it: the current folder (the folder
// of the last chosen database, or the data folder after the delete window),
// the bare name of the database and the hooks into the main window. There is
// only ever one open database, so there is one Session.
class Session
{
  public:
    static Session& instance();

    std::filesystem::path folder; // every file is opened by bare name relative to it
    std::string databaseName;     // at most 25 characters; empty until a database is chosen
    long long totalDraws = 0;

    // Makes the chosen file the database: its folder, and its name cut as the
    // engine and quor3-engine cut it (25 characters, whatever their size).
    void chooseDatabase(const QString& chosenFile);
    // The file that choosing `chosenFile` opens: the same folder, the name cut
    // as chooseDatabase cuts it. Whether it exists, and the question before a
    // new one is created, are about this file.
    static QString openedFile(const QString& chosenFile);

    std::filesystem::path fileInFolder(const std::string& name) const { return folder / name; }
    std::filesystem::path databasePath() const { return folder / databaseName; }
    // A window that finds no database file shows its empty state.
    bool databaseExists() const;
    QString databaseNameText() const { return QString::fromStdString(databaseName); }

    // Set by the main window: status panel texts, and the state without an
    // open database that deleting the open database returns to.
    std::function<void(int panel, const QString& text)> setStatusText;
    std::function<QString(int panel)> statusText;
    std::function<void()> resetToNoDatabase;
    QWidget* mainWindow = nullptr;
    DatabaseEvents events;

    // The last draw entered in this run, which Add > Undo Last Entry takes back.
    std::optional<quor3::StoredEntry> lastEntry;
    // Keeps the entry for undo; after a cut-back the last status panel names
    // the backup that holds the older draws.
    void recordEntry(const quor3::StoredEntry& entry);

    // The databases of a folder share its derived files: when another
    // process last wrote them for another database (the daily fetch, the
    // command line), writes them again for the open one, before a window reads
    // them. True when it did; a failure leaves them (the next look tries again).
    bool keepStatisticsOwn();

    void setStatus(int panel, const QString& text) const
    {
        if (setStatusText)
            setStatusText(panel, text);
    }
};
