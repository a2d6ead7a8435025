// The help viewer stays usable while the program's windows, all modal, are
// open: whether it was opened before from the main window or by F1 from the
// window itself, and after that window closed.

#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "platform/Help.h"
#include "reports/PairsWindow.h"
#include "reports/TotalsWindow.h"

#include <QAction>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace
{

QTextBrowser* helpBrowser()
{
    return Help::viewer() ? Help::viewer()->findChild<QTextBrowser*>("HelpBrowser") : nullptr;
}

// The middle of the first link the browser shows, in its viewport, and its target.
std::pair<QPoint, QString> firstLink(QTextBrowser* browser)
{
    QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor() || fragment.charFormat().anchorHref().isEmpty())
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            return {browser->cursorRect(cursor).center(), fragment.charFormat().anchorHref()};
        }
    return {};
}

// Clicks the first link of the help page shown, as a user would with the
// mouse; true when the viewer followed it.
bool followFirstLink()
{
    QTextBrowser* browser = helpBrowser();
    if (!browser)
        return false;
    const auto [point, target] = firstLink(browser);
    if (target.isEmpty())
        return false;
    // Through the window system, where a window blocked by a modal one loses its clicks.
    QWidget* viewer = Help::viewer();
    QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      browser->viewport()->mapTo(viewer, point));
    const QString wanted = target; // a lambda may not capture a structured binding
    return QTest::qWaitFor([&] { return browser->source().fileName() == wanted; }, 3000);
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> mainWindow;

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        mainWindow = std::make_unique<MainWindow>();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
    }
    void cleanup()
    {
        if (Help::viewer())
            Help::viewer()->close();
        mainWindow.reset();
        env.reset();
    }

    void contentsOpenedFromTheMainWindowWorkWhileAWindowIsOpen()
    {
        mainWindow->findChild<QAction*>("Contents1")->trigger();
        QTRY_VERIFY(helpBrowser() && Help::viewer()->isVisible());

        bool followed = false;
        whenModalActive<TotalsWindow>([&followed](TotalsWindow* window) {
            followed = followFirstLink();
            window->close();
        });
        TotalsWindow(mainWindow.get()).exec();
        QVERIFY(followed);
    }

    void topicOpenedByF1OutlivesItsWindowAndServesTheNext()
    {
        bool followedInOwnWindow = false;
        whenModalActive<TotalsWindow>([&followedInOwnWindow](TotalsWindow* window) {
            QTest::keyClick(window, Qt::Key_F1);
            followedInOwnWindow = QTest::qWaitFor([] { return helpBrowser() && Help::viewer()->isVisible(); }) &&
                                  Help::lastTopic() == "tot" && followFirstLink();
            window->close();
        });
        {
            TotalsWindow window(mainWindow.get());
            window.exec();
        }
        QVERIFY(followedInOwnWindow);
        QVERIFY(Help::viewer() && Help::viewer()->isVisible());

        bool followedInNextWindow = false;
        whenModalActive<PairsWindow>([&followedInNextWindow](PairsWindow* window) {
            helpBrowser()->setSource(QUrl("qrc:/help/contents.html"));
            followedInNextWindow = followFirstLink();
            window->close();
        });
        PairsWindow(mainWindow.get()).exec();
        QVERIFY(followedInNextWindow);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
