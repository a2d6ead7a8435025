#include "tickets/TicketsKit.h"

#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QCoreApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

QString moneyString(quor3::Cents cents)
{
    return QString::fromStdString(quor3::moneyText(cents));
}

QString balanceString(quor3::Cents balance)
{
    return QString::fromStdString(quor3::balanceWords(balance));
}

quor3::fs::path ticketDatabase()
{
    const Session& session = Session::instance();
    return session.databaseName.empty() ? quor3::fs::path() : session.databasePath();
}

void restoreWindowSize(QWidget* window, const QString& key, const QSize& fallback)
{
    // "760x560"; anything else, or a size too small to use, gives the fallback.
    const QStringList parts = Settings::readText(key).split('x');
    QSize size = fallback;
    if (parts.size() == 2) {
        const QSize stored(parts[0].trimmed().toInt(), parts[1].trimmed().toInt());
        if (stored.width() >= 200 && stored.height() >= 150)
            size = stored;
    }
    // Never larger than the screen it opens on: a size kept on a larger
    // screen, or the fallback at a large font resolution, would put the
    // window's edges out of reach.
    if (const QScreen* screen = window->screen()) {
        const QSize room = screen->availableGeometry().size();
        size = size.boundedTo(room - (window->frameGeometry().size() - window->size()));
    }
    window->resize(size);
}

void keepWindowSize(const QWidget* window, const QString& key)
{
    const QString text = QString("%1x%2").arg(window->width()).arg(window->height());
    if (Settings::readText(key) != text)
        Settings::writeText(key, text);
}
