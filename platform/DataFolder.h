#pragma once

#include <QString>

// The program's data folder, ~/quor3box: where the open dialog starts, where
// the delete window lists databases and where the sets graph finds its file.
QString dataFolder();
// Creates the data folder when it is missing, as installing the program would.
void ensureDataFolder();
// `name` in `folder`, matched without regard to letter case; the exact name
// when there is no such file.
QString findFileIgnoringCase(const QString& folder, const QString& name);
