#include "app/Main.h"
#include "platform/DataFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quor 3");
    ensureDataFolder();
    TForm1 window;
    window.showMaximized();
    return app.exec();
}
