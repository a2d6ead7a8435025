#include "app/DesktopIdentity.h"

#include <QApplication>

// A static library's resources must be registered by hand before first use.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

QIcon programIcon()
{
    static const bool registered = (registerIconResources(), true);
    (void)registered;
    QIcon icon;
    for (int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/quor3.png").arg(size), QSize(size, size));
    return icon;
}

void setUpDesktopIdentity()
{
    QApplication::setOrganizationName(QStringLiteral("quor3"));
    QApplication::setOrganizationDomain(QStringLiteral("quor3.github.io"));
    QApplication::setApplicationName(QStringLiteral("Quor 3"));
    // No display name: Qt would append it to every window's title on the
    // desktop. The main window names the program in its own title instead.
    QApplication::setApplicationVersion(QStringLiteral(QUOR3_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(QUOR3_APP_ID));
    QApplication::setWindowIcon(programIcon());
}
