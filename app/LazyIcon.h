#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

#include <utility>

// An icon of picture files, one per size, that reads a file only when a
// picture of the icon is first asked for. Qt reads and decodes every file as
// it is added; nothing in the first frame of the main window needs the
// program's icon, so the start-up does not wait for that.
QIcon lazyIconFromFiles(const QList<std::pair<QSize, QString>>& sizedFiles);
