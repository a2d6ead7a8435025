// The floor of the start-up benchmark: an empty main window of the same
// toolkit, shown maximized, ending after its first frame like quor3 does with
// QUOR3_EXIT_AFTER_FIRST_FRAME set. It is sized to the screen first, as quor3
// sizes itself: without a window manager (Xvfb) nothing maximizes a window,
// and the floor would paint a first frame of 200 by 100 pixels against quor3's
// whole screen.

#include "app/FirstFrame.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(window.screen()->size());
    window.showMaximized();
    quitAfterFirstFrame(window);
    return app.exec();
}
