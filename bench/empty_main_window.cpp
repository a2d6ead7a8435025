// The floor of the start-up benchmark: an empty main window of the same
// toolkit, shown maximized, ending after its first frame like quor3 does with
// QUOR3_EXIT_AFTER_FIRST_FRAME set.

#include "app/FirstFrame.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.showMaximized();
    quitAfterFirstFrame(window);
    return app.exec();
}
