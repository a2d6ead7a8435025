#include "app/ChartWindows.h"

#include "engine/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

// Defined by the module, and by test programs that link its windows in.
extern "C" void quor3ShowChartWindow(int window, QWidget* parent) __attribute__((weak));

namespace ChartWindows
{

namespace
{

using ShowFunction = void (*)(int, QWidget*);

const char* const ModuleName = "quor3-chart-windows.so";

// Beside the program in the build tree; installed, where QUOR3_MODULE_DIR
// (relative to the program's folder) says.
QString modulePath()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(ModuleName);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(QUOR3_MODULE_DIR "/") + ModuleName));
}

ShowFunction loadModule()
{
    static ShowFunction loaded = nullptr;
    if (loaded)
        return loaded;
    const QString path = modulePath();
    QLibrary module(path);
    // Every symbol now: a missing one is reported here, not as a crash later.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!module.load())
        quor3::throwIoError(path.toStdString(),
                            QCoreApplication::translate("ChartWindows", "load the chart windows from").toStdString(),
                            module.errorString().toStdString());
    loaded = reinterpret_cast<ShowFunction>(module.resolve("quor3ShowChartWindow"));
    if (!loaded)
        quor3::throwIoError(path.toStdString(),
                            QCoreApplication::translate("ChartWindows", "load the chart windows from").toStdString(),
                            QCoreApplication::translate("ChartWindows", "it has no chart windows in it").toStdString());
    // Kept loaded for the rest of the run: QLibrary unloads nothing it is not told to.
    return loaded;
}

ShowFunction showFunction()
{
    if (quor3ShowChartWindow)
        return quor3ShowChartWindow;
    return loadModule();
}

} // namespace

void show(Window window, QWidget* parent)
{
    showFunction()(static_cast<int>(window), parent);
}

void preload()
{
    try {
        showFunction();
    } catch (const quor3::Error&) {
        // Reported when a chart window is first opened.
    }
}

} // namespace ChartWindows
