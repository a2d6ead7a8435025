#include "platform/Session.h"

#include "engine/FileIo.h"

Session& Session::instance()
{
    static Session session;
    return session;
}

bool Session::databaseExists() const
{
    return !databaseName.empty() && quor3::fileExists(databasePath());
}

void Session::recordEntry(const quor3::StoredEntry& entry)
{
    lastEntry = entry;
    if (!entry.backup.empty())
        setStatus(4, QString("Older draws kept in %1/%2")
                         .arg(quor3::BackupFolderName, QString::fromStdString(entry.backup.filename().string())));
}
