#include "platform/DataFolder.h"

#include <QDir>

QString dataFolder()
{
    return QDir::homePath() + "/quor3box";
}

void ensureDataFolder()
{
    QDir().mkpath(dataFolder());
}

QString findFileIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(name);
}
