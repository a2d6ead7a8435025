#pragma once

#include <QIcon>

// How the program presents itself to the desktop: its names and version (Qt
// groups its own state files under them), the desktop entry it belongs to,
// and the icon every window shows. The desktop then titles the main window
// "NAME.c3d — Quor 3", from the window's own caption and the display name.
void setUpDesktopIdentity();

// The program icon in the sizes it is installed in.
QIcon programIcon();
