#include "platform/WebPages.h"

#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"

#include <QDesktopServices>
#include <QUrl>

namespace WebPages
{

namespace
{

std::function<bool(const QString&)>& opener()
{
    static std::function<bool(const QString&)> f;
    return f;
}

bool isWebAddress(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == "http" || url.scheme() == "https");
}

} // namespace

QString supportAddress()
{
    return Settings::readText(QStringLiteral("Support Page")).trimmed();
}

void openSupport(QWidget* owner)
{
    const QString address = supportAddress();
    if (address.isEmpty())
        Help::contents();
    else
        OpenWebPage(owner, address);
}

bool openAddress(const QString& address)
{
    if (!isWebAddress(address))
        return false;
    return opener() ? opener()(address) : QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

void OpenWebPage(QWidget* owner, const QString& address)
{
    if (openAddress(address))
        return;
    const QString why = isWebAddress(address) ? QObject::tr("No program on this desktop could open the page.")
                                              : QObject::tr("This is not a web address.");
    Dialogs::inform(owner, QObject::tr("Error ExploreWeb"), why + "\n\n" + address);
}

void setOpenerForTesting(std::function<bool(const QString&)> f)
{
    opener() = std::move(f);
}

} // namespace WebPages
