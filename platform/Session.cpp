#include "platform/Session.h"

#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"
#include "platform/StatusBarSink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

Session& Session::instance()
{
    static Session session;
    return session;
}

void Session::chooseDatabase(const QString& chosenFile)
{
    const QFileInfo info(chosenFile);
    folder = info.absolutePath().toStdString();
    databaseName = quor3::databaseNameFor(info.fileName().toStdString());
    // The news of the database before (a backup, what arrived) is not this one's.
    setStatus(4, QString());
}

QString Session::openedFile(const QString& chosenFile)
{
    const QFileInfo info(chosenFile);
    return info.absoluteDir().filePath(
        QFile::decodeName(quor3::databaseNameFor(QFile::encodeName(info.fileName()).toStdString()).c_str()));
}

bool Session::databaseExists() const
{
    return !databaseName.empty() && quor3::fileExists(databasePath());
}

void Session::recordEntry(const quor3::StoredEntry& entry)
{
    lastEntry = entry;
    if (!entry.backup.empty())
        setStatus(4, QCoreApplication::translate("Session", "Older draws kept in %1/%2")
                         .arg(quor3::BackupFolderName, QString::fromStdString(entry.backup.filename().string())));
}

bool Session::keepStatisticsOwn()
{
    if (!databaseExists() || quor3::derivedFilesBelongTo(folder, databaseName))
        return false;
    try {
        StatusBarSink sink;
        quor3::rebuildStatistics(folder, databaseName, quor3::FirstPanels::TotalAndLastDate, sink);
        return true;
    } catch (const quor3::Error&) {
        return false;
    }
}
