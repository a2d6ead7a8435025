#include "platform/Help.h"

#include "platform/Resources.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace Help
{

namespace
{

QString last;
QPointer<QDialog> window;
QPointer<QTextBrowser> browser;

QString topicSource(const QString& keyword)
{
    const QString path = ":/help/" + keyword + ".html";
    return QFile::exists(path) ? "qrc" + path : QStringLiteral("qrc:/help/contents.html");
}

void show(const QString& keyword)
{
    initPlatformResources();
    last = keyword;
    // The viewer belongs to the window in front, so that a modal window does
    // not block it.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    if (!window) {
        window = new QDialog(owner, Qt::Window);
        window->setObjectName("HelpViewer");
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QObject::tr("Quor 3 Help"));
        window->resize(640, 560);
        browser = new QTextBrowser(window);
        browser->setObjectName("HelpBrowser");
        browser->setOpenLinks(true);
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
    } else if (owner && window->parentWidget() != owner && owner != window) {
        window->setParent(owner, Qt::Window);
    }
    browser->setSource(QUrl(topicSource(keyword)));
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void open(const QString& keyword)
{
    show(keyword);
}

void contents()
{
    show(QStringLiteral("contents"));
}

void bindF1(QWidget* target, const QString& keyword)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), target);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, target, [keyword] { open(keyword); });
}

QString lastTopic()
{
    return last;
}

QWidget* viewer()
{
    return window;
}

} // namespace Help
