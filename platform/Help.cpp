#include "platform/Help.h"

#include "platform/Resources.h"
#include "platform/Session.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

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

// A modal window blocks every window that is not its own, and the windows of
// this program are modal: each time one blocks the viewer, the viewer becomes
// a transient window of the topmost modal one, so that its links, scroll bars
// and keys keep working. It stays owned by the main window, so it outlives
// the modal window it was opened from or lent to.
class ModalFollower : public QObject
{
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked) {
            // Not from inside the modal bookkeeping that sent the event.
            QPointer<QWindow> viewerWindow = qobject_cast<QWindow*>(watched);
            QMetaObject::invokeMethod(
                this,
                [viewerWindow] {
                    QWindow* modal = QGuiApplication::modalWindow();
                    if (viewerWindow && modal && modal != viewerWindow)
                        viewerWindow->setTransientParent(modal);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

void followModalWindows()
{
    window->winId(); // the window handle exists from here on
    if (QWindow* handle = window->windowHandle())
        handle->installEventFilter(new ModalFollower(window));
}

void show(const QString& keyword)
{
    initPlatformResources();
    last = keyword;
    if (!window) {
        QWidget* owner = Session::instance().mainWindow;
        window = new QDialog(owner, Qt::Window);
        window->setObjectName("HelpViewer");
        window->setAttribute(Qt::WA_DeleteOnClose);
        // An open viewer does not keep the program running after its main window closed.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->setWindowTitle(QObject::tr("Quor 3 Help"));
        window->resize(640, 560);
        browser = new QTextBrowser(window);
        browser->setObjectName("HelpBrowser");
        browser->setOpenLinks(true);
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        followModalWindows();
    }
    browser->setSource(QUrl(topicSource(keyword)));
    window->show();
    if (QWindow* modal = QGuiApplication::modalWindow(); modal && window->windowHandle() != modal)
        window->windowHandle()->setTransientParent(modal);
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
