#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <utility>

// An icon of picture files, one per size, that reads a file only when a
// picture of the icon is first asked for. Qt reads and decodes every file as
// it is added; nothing in the first frame of the main window needs the
// program's icon, so the start-up does not wait for that.
QIcon lazyIconFromFiles(const QList<std::pair<QSize, QString>>& sizedFiles);

// An icon that `make` makes when a picture or a size of it is first asked
// for. Until then it counts as not null.
QIcon lazyIcon(std::function<QIcon()> make);

// Puts a style in front of the application's style that makes the icons of
// the tool and menu bars' overflow buttons only when they are drawn. Call it
// once the application object exists and before the first window is made.
void makeOverflowIconsLazy();
