#pragma once

#include <QIcon>

// How the program presents itself to the desktop: its names and version (Qt
// groups its own state files under them), the desktop entry it belongs to,
// and the icon every window shows. Every window's title is its own caption
// alone; only the main window's names the program ("NAME.c3d — Quor 3").
void setUpDesktopIdentity();

// The program icon in the sizes it is installed in.
QIcon programIcon();
