#pragma once

#include <QString>
#include <QStringList>

// The databases opened lately, newest first, kept in quor3.ini under the keys
// "Recent 1" to "Recent 5", and the one to reopen at start: "Last Database",
// when "Reopen Last" is 1 (the default). Paths are absolute.
namespace RecentDatabases
{

inline constexpr int MaxCount = 5;

// `list` with `path` moved (or added) to the front, at most MaxCount long.
QStringList withNewest(QStringList list, const QString& path);

// The remembered databases that still exist, newest first; those that have
// gone are forgotten in the settings file too. `open`, the open database, is
// kept even before its file is there: a new one exists only once a draw is
// stored in it.
QStringList existing(const QString& open = QString());
// Puts `path` first in the list and makes it the database to reopen.
void remember(const QString& path);
// The database to open at start, or an empty string: the last one when
// reopening is on and the file is still there. A missing one is forgotten.
QString toReopen();
// After "Close Database": the next start begins without a database.
void forgetLast();

} // namespace RecentDatabases
