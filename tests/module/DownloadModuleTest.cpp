// The program as it is linked and installed: no download library at start,
// the download out of its own module at the first fetch.

#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "entry/FetchModule.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

#include <memory>

namespace
{

// The shared libraries mapped into this process, by file name.
bool mapped(const QString& library)
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return QString::fromLocal8Bit(maps.readAll()).contains(library);
}

} // namespace

class DownloadModuleTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        window = std::make_unique<MainWindow>();
        env->writeDatabase("ga.c3d", 30);
        Dialogs::queueFile(env->dataFolder() + "/ga.c3d");
        window->findChild<QAction*>("OpenDatabase1")->trigger();
    }
    void cleanup()
    {
        window.reset();
        env.reset();
    }

    // Runs first: nothing has fetched yet.
    void theMainWindowStartsWithoutTheDownload()
    {
        QVERIFY(!mapped("libcurl"));
        QVERIFY(!mapped("quor3-fetch.so"));
    }

    void theDownloadComesFromItsModule()
    {
        const QString file = env->dataFolder() + "/results.csv";
        QFile results(file);
        QVERIFY(results.open(QIODevice::WriteOnly));
        results.write("3/1/2002,3,0,7\n");
        results.close();
        QCOMPARE(FetchModule::fetchFile(file.toStdString(), {}).body, std::string("3/1/2002,3,0,7\n"));
        QVERIFY(mapped("quor3-fetch.so"));
        QVERIFY(mapped("libcurl"));
    }
};

QTEST_MAIN(DownloadModuleTest)
#include "DownloadModuleTest.moc"
