#include "entry/UndoLastEntry.h"

#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Rebuild.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"

#include <QCoreApplication>

#include <optional>

namespace
{
QString title()
{
    return QCoreApplication::translate("UndoLastEntry", "Undo Last Entry");
}

// The entry the lines belong to: a later entry, or none, has lines of its own.
struct LoggedEntry {
    quor3::StoredEntry entry;
    std::vector<std::string> lines;
};
std::optional<LoggedEntry> logged;

bool sameEntry(const quor3::StoredEntry& a, const quor3::StoredEntry& b)
{
    return a.database == b.database && a.totalDraws == b.totalDraws && a.backup == b.backup &&
           quor3::sameDateAndDigits(a.draw, b.draw);
}
} // namespace

void recordEntryForUndo(const quor3::StoredEntry& entry, std::vector<std::string> winnerLines)
{
    Session::instance().recordEntry(entry);
    logged = LoggedEntry{entry, std::move(winnerLines)};
}

void undoLastEntry(QWidget* parent)
{
    Session& session = Session::instance();
    if (!session.lastEntry || session.lastEntry->database != session.databasePath()) {
        Dialogs::inform(
            parent, title(),
            QCoreApplication::translate(
                "UndoLastEntry", "There is no entry to undo: no draw has been entered into %1 since Quor 3 started.")
                .arg(session.databaseNameText()));
        return;
    }
    const quor3::StoredEntry entry = *session.lastEntry;
    const quor3::DrawRecord& draw = entry.draw;
    QString question = QCoreApplication::translate("UndoLastEntry", "Remove the last entry, %1 of %2, from %3?")
                           .arg(QString::fromStdString(quor3::digitTriple(draw.Digit1, draw.Digit2, draw.Digit3)),
                                dateText(draw.DrawDate), session.databaseNameText());
    if (!entry.backup.empty())
        question +=
            QCoreApplication::translate(
                "UndoLastEntry", "\nThat entry cut the database back: it comes back as it was before, from %1/%2.")
                .arg(quor3::BackupFolderName, QString::fromStdString(entry.backup.filename().string()));
    const bool logLines = logged && sameEntry(logged->entry, entry) && !logged->lines.empty();
    if (logLines)
        question += QCoreApplication::translate("UndoLastEntry", "\nWhat it wrote in \"%1\" goes with it.")
                        .arg(quor3::files::WinnersLog);
    if (Dialogs::ask(parent, title(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) !=
        QMessageBox::Yes)
        return;
    BusyCursor busy;
    const quor3::DatabaseLock lock(session.folder, session.databaseName, quor3::DatabaseLock::Exclusive);
    quor3::undoEntry(entry);
    session.lastEntry.reset();
    std::vector<std::string> winnerLines;
    if (logLines)
        winnerLines = std::move(logged->lines);
    logged.reset();
    // Without the entry that made it there may be no database at all: the
    // status bar then shows the empty labels, as after opening a new name.
    StatusBarSink sink;
    session.totalDraws = 0;
    if (!session.databaseExists()) {
        quor3::openDatabase(session.folder, session.databaseName, sink);
    } else {
        session.totalDraws = quor3::countDraws(session.databasePath());
        // The entry is taken back whatever the rebuild does; a failed rebuild is said as such.
        const std::string failure =
            quor3::rebuildAfterChange(session.folder, session.databaseName, quor3::FirstPanels::TotalAndLastDate, sink);
        if (!failure.empty())
            Dialogs::inform(parent, title(), QString::fromStdString(failure), {}, QMessageBox::Warning);
    }
    // Last: should the log refuse, the draw is gone all the same.
    quor3::removeWinnerLines(session.folder, session.databaseName, winnerLines);
}
