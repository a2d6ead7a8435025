#include "GuiTestSupport.h"

#include "analysis/OddEvenWindow.h"
#include "app/AboutDialog.h"
#include "app/DesktopIdentity.h"
#include "app/MainWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "reports/TotalsWindow.h"

#include <QAction>
#include <QProcess>
#include <QtTest>

#include <memory>

// The titles as the desktop shows them in title bars, task bars and window
// switchers: the _NET_WM_NAME the X server holds for each window, which Qt
// may make differ from windowTitle(). Runs on a virtual X display.
class TitleBarTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QWidget> other;

    // xprop prints the name quoted, with backslash escapes, and bytes its
    // locale cannot show as octal ones.
    static QString desktopTitle(QWidget* shown)
    {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(shown->winId()), "-notype", "_NET_WM_NAME"});
        if (!xprop.waitForFinished(5000) || xprop.exitCode() != 0)
            return QStringLiteral("(xprop failed)");
        const QByteArray out = xprop.readAllStandardOutput().trimmed();
        const int first = out.indexOf('"'), last = out.lastIndexOf('"');
        if (first < 0 || last <= first)
            return QStringLiteral("(no name: %1)").arg(QString::fromLocal8Bit(out));
        QByteArray bytes;
        for (int i = first + 1; i < last; ++i) {
            if (out[i] == '\\' && i + 3 < last && QByteArray("01234567").contains(out[i + 1])) {
                bytes += char(out.mid(i + 1, 3).toInt(nullptr, 8));
                i += 3;
            } else {
                if (out[i] == '\\')
                    ++i;
                bytes += out[i];
            }
        }
        return QString::fromUtf8(bytes);
    }

    QWidget* showWindow(const QString& which)
    {
        if (which.startsWith("main")) {
            if (which.endsWith("database")) {
                env->writeDatabase("ga.c3d", 30);
                Dialogs::queueFile(env->dataFolder() + "/ga.c3d");
                window->findChild<QAction*>("OpenDatabase1")->trigger();
            }
            window->show();
            return window.get();
        }
        env->writeDatabase("ga.c3d", 30);
        env->openDatabase("ga.c3d");
        if (which == "help") {
            Help::contents();
            return Help::viewer();
        }
        if (which == "report")
            other = std::make_unique<TotalsWindow>(window.get());
        else if (which == "dialog")
            other = std::make_unique<OddEvenWindow>(window.get());
        else
            other = std::make_unique<AboutDialog>(window.get());
        other->show();
        return other.get();
    }

  private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs the X11 platform (run through on-virtual-display.sh)");
        if (QStandardPaths::findExecutable("xprop").isEmpty())
            QSKIP("needs xprop (x11-utils)");
        setUpDesktopIdentity();
    }
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        window = std::make_unique<MainWindow>();
    }
    void cleanup()
    {
        other.reset();
        if (Help::viewer())
            Help::viewer()->close();
        window.reset();
        env.reset();
    }

    void eachWindowIsTitledByItsOwnCaption_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("main window, no database") << "main"
                                                  << "Quor 3";
        QTest::newRow("main window, a database") << "main, database" << QString::fromUtf8("ga.c3d — Quor 3");
        QTest::newRow("a report") << "report"
                                  << "Totals Report";
        QTest::newRow("a dialog, its trailing blank kept") << "dialog"
                                                           << "Odd / Even ";
        QTest::newRow("the About box") << "about"
                                       << "About";
        QTest::newRow("the help viewer") << "help"
                                         << "Quor 3 Help";
    }
    void eachWindowIsTitledByItsOwnCaption()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QWidget* shown = showWindow(window);
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QTRY_COMPARE(desktopTitle(shown), title);
    }
};

QTEST_MAIN(TitleBarTest)
#include "TitleBarTest.moc"
