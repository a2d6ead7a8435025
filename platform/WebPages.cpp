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

std::function<int(const QString&)>& opener()
{
    static std::function<int(const QString&)> f;
    return f;
}

// The desktop's "open" verb. A page that no program takes is reported as the
// shell reports a missing association (31).
int openWithDesktop(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return 2;
    return QDesktopServices::openUrl(url) ? 42 : 31;
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

int openAddress(const QString& address)
{
    return opener() ? opener()(address) : openWithDesktop(address);
}

QString errorText(int result)
{
    if (result > 32)
        return QString();
    switch (result) {
    case 0: return QStringLiteral("Error: Out of Memory");
    case 2: return QStringLiteral("Error: File not found");
    case 3: return QStringLiteral("Error: Directory not");
    case 11: return QStringLiteral("Fehler: Wrong format in EXE");
    default: return QStringLiteral("Error Nr: %1 in ShellExecute").arg(result);
    }
}

void OpenWebPage(QWidget* owner, const QString& address)
{
    const QString text = errorText(openAddress(address));
    if (!text.isEmpty())
        Dialogs::inform(owner, QStringLiteral("Error ExploreWeb"), text + "\n\n" + address);
}

void setOpenerForTesting(std::function<int(const QString&)> f)
{
    opener() = std::move(f);
}

} // namespace WebPages
