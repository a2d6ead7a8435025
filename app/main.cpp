#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "app/FirstFrame.h"
#include "app/MainWindow.h"
#include "platform/DataFolder.h"
#include "platform/KeyboardRules.h"
#include "platform/Language.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    // --version and --help answer without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine early = parseCommandLine(arguments);
    if (early.version || early.help) {
        // The usage in the desktop's language: translations need an application object.
        QCoreApplication core(argc, argv);
        Language::install();
        std::cout << (early.version ? "quor3 " QUOR3_VERSION "\n" : commandLineUsage().toStdString());
        return 0;
    }

    QApplication app(argc, argv);
    setUpDesktopIdentity();
    Language::install();
    // Qt's own options (-platform, -style, ...) are gone from the arguments now.
    const CommandLine line = parseCommandLine(QApplication::arguments());
    if (!line.error.isEmpty()) {
        std::cerr << "quor3: " << line.error.toStdString() << "\n\n" << commandLineUsage().toStdString();
        return 2;
    }
    installEnterKeyRule();
    ensureDataFolder();
    MainWindow window;
    window.showMaximized();
    // The start-up benchmark ends each run after the first frame.
    if (qEnvironmentVariableIsSet("QUOR3_EXIT_AFTER_FIRST_FRAME"))
        quitAfterFirstFrame(window);
    window.openAtStart(line.file);
    return app.exec();
}
