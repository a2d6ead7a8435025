#include "GuiTestSupport.h"

#include "entry/AddDrawsWindow.h"
#include "entry/UpdateMenuWindow.h"
#include "platform/Accessibility.h"

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QtTest>

// The add window as a screen reader meets it, on the accessibility bus of a
// virtual display (tests/support/on-accessibility-bus.sh): a Python client
// finds the digit boxes and the date by name and hears a stored draw digit by
// digit, and hears an announcement as it is made.
class ScreenReaderTest : public QObject
{
    Q_OBJECT

  private slots:
    void aReaderFindsTheAddWindowsControlsAndHearsADraw()
    {
        GuiTestEnvironment env;
        env.writeDatabase("ga.c3d", {{1, 2, 3}, {0, 5, 6, 2003, 12, 31}});
        env.openDatabase("ga.c3d");
        UpdateMenuWindow list;
        list.show();
        // It reads the draws when it is activated (a bare X display has no
        // window manager to activate it).
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&list, &activation);
        QTRY_COMPARE(child<QListWidget>(&list, "ListBox1")->count(), 2);
        AddDrawsWindow add;
        add.show();
        QVERIFY(QTest::qWaitForWindowExposed(&add));

        QProcess reader;
        reader.setProcessChannelMode(QProcess::MergedChannels);
        reader.start(qEnvironmentVariable("QUOR3_PYTHON", "python3"),
                     {QStringLiteral(QUOR3_TEST_SUPPORT "/read-add-window.py"), QCoreApplication::applicationName(),
                      "12/31/2003: 0 5 6", "W I N N E R"});
        QString said;
        QTRY_VERIFY_WITH_TIMEOUT((said += QString::fromLocal8Bit(reader.readAll())).contains("LISTENING") ||
                                     reader.state() == QProcess::NotRunning,
                                 60000);
        if (said.contains("LISTENING"))
            announce(child<QLabel>(&add, "Label4"), "W I N N E R");
        QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 30000);
        said += QString::fromLocal8Bit(reader.readAll());
        qInfo("%s", qPrintable(said));
        QCOMPARE(reader.exitCode(), 0);
        QVERIFY(said.endsWith("OK\n"));
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "ScreenReaderTest.moc"
