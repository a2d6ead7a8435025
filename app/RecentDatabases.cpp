#include "app/RecentDatabases.h"

#include "platform/ProfileFile.h"

#include <QFileInfo>

namespace RecentDatabases
{

namespace
{

const QString lastKey = QStringLiteral("Last Database");
const QString reopenKey = QStringLiteral("Reopen Last");

QString recentKey(int index)
{
    return QStringLiteral("Recent %1").arg(index + 1);
}

QStringList stored()
{
    QStringList list;
    for (int i = 0; i < MaxCount; ++i) {
        const QString path = Settings::readText(recentKey(i));
        if (!path.isEmpty())
            list << path;
    }
    return list;
}

// Writes only the keys that change, so that opening the same database every
// day leaves the settings file alone.
void store(const QStringList& list)
{
    for (int i = 0; i < MaxCount; ++i) {
        const QString value = list.value(i);
        if (Settings::readText(recentKey(i)) != value)
            Settings::writeText(recentKey(i), value);
    }
}

bool isDatabaseFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

QStringList withNewest(QStringList list, const QString& path)
{
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > MaxCount)
        list.removeLast();
    return list;
}

QStringList existing(const QString& open)
{
    const QStringList all = stored();
    QStringList present;
    for (const QString& path : all)
        if ((path == open || isDatabaseFile(path)) && !present.contains(path))
            present << path;
    if (present != all)
        store(present);
    return present;
}

void remember(const QString& path)
{
    store(withNewest(stored(), path));
    if (Settings::readText(lastKey) != path)
        Settings::writeText(lastKey, path);
}

QString toReopen()
{
    const QString last = Settings::readText(lastKey);
    if (last.isEmpty() || Settings::readInteger(reopenKey, 1) == 0)
        return QString();
    if (isDatabaseFile(last))
        return last;
    Settings::writeText(lastKey, QString());
    return QString();
}

void forgetLast()
{
    if (!Settings::readText(lastKey).isEmpty())
        Settings::writeText(lastKey, QString());
}

} // namespace RecentDatabases
