#include "app/MainWindow.h"
#include "platform/DataFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quor 3");
    ensureDataFolder();
    MainWindow window;
    window.showMaximized();
    return app.exec();
}
