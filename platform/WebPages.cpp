#include "platform/WebPages.h"

#include "platform/Dialogs.h"

#include <QProcess>
#include <QStandardPaths>

namespace WebPages
{

namespace
{

std::function<int(const QString&)>& opener()
{
    static std::function<int(const QString&)> f;
    return f;
}

// The desktop's "open" verb is xdg-open; a missing opener is "file not found"
// and one that cannot be started is "out of memory", as the shell reports them.
int openWithDesktop(const QString& address)
{
    const QString program = QStandardPaths::findExecutable("xdg-open");
    if (program.isEmpty())
        return 2;
    return QProcess::startDetached(program, {address}) ? 42 : 0;
}

} // namespace

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
        Dialogs::inform(owner, QStringLiteral("Error ExploreWeb"), text);
}

void setOpenerForTesting(std::function<int(const QString&)> f)
{
    opener() = std::move(f);
}

} // namespace WebPages
