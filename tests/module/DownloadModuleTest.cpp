// The program as it is linked and installed: no download library at start,
// the download out of its own module at the first fetch, which loads though
// the program exports nothing to it.

#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "entry/FetchModule.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>
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

    // The module reports what went wrong; the program words it as the engine does.
    void aFailureInTheModuleIsWordedByTheProgram()
    {
        const QString folder = env->dataFolder();
        QFile results(folder + "/results.csv");
        QVERIFY(results.open(QIODevice::WriteOnly));
        results.write("3/1/2002,3,0,7\n");
        results.close();
        QVERIFY(QDir(folder).mkdir("sub"));
        const struct {
            QString address;
            std::size_t maxBodyBytes;
            QString reason;
        } cases[] = {
            {folder + "/missing.csv", 1024, "Cannot open \"missing.csv\" in " + folder + ": No such file or directory"},
            {folder + "/sub", 1024, "Cannot read \"sub\" in " + folder + ": Is a directory"},
            {"file://" + folder + "/results.csv", 4, "the file is larger than 4 bytes"},
            {" ", 1024, "no address is set"},
            {"ftp://127.0.0.1/results.csv", 1024, "only http, https and local files can be fetched"},
        };
        for (const auto& c : cases) {
            quor3::FetchOptions options;
            options.maxBodyBytes = c.maxBodyBytes;
            QString message;
            try {
                FetchModule::fetchFile(c.address.toStdString(), options);
            } catch (const quor3::Error& e) {
                message = QString::fromStdString(e.what());
            }
            QCOMPARE(message, "Cannot fetch \"" + c.address + "\": " + c.reason);
        }

        std::atomic<bool> cancel{true};
        quor3::FetchOptions options;
        options.cancel = &cancel;
        bool cancelled = false;
        try {
            FetchModule::fetchFile(results.fileName().toStdString(), options);
        } catch (const quor3::FetchCancelled&) {
            cancelled = true;
        }
        QVERIFY(cancelled);
    }
};

QTEST_MAIN(DownloadModuleTest)
#include "DownloadModuleTest.moc"
