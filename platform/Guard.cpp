#include "platform/Guard.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QGuiApplication>

#include <exception>

bool runGuarded(QWidget* parent, const std::function<void()>& command)
{
    QString message;
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        message = QString::fromStdString(e.what());
    } catch (...) {
        message = QObject::tr("An unexpected error stopped the command.");
    }
    Dialogs::inform(parent, QApplication::applicationName(), message, {}, QMessageBox::Critical);
    return false;
}

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
