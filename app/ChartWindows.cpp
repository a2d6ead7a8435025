#include "app/ChartWindows.h"

#include "engine/Errors.h"
#include "platform/Module.h"

#include <QCoreApplication>

// Defined by the module, and by test programs that link its windows in.
extern "C" void quor3ShowChartWindow(int window, QWidget* parent) __attribute__((weak));

namespace ChartWindows
{

namespace
{

using ShowFunction = void (*)(int, QWidget*);

ShowFunction loadModule()
{
    static ShowFunction loaded = nullptr;
    if (!loaded)
        loaded = reinterpret_cast<ShowFunction>(
            Module::function("quor3-chart-windows.so", "quor3ShowChartWindow",
                             QCoreApplication::translate("ChartWindows", "the chart windows").toStdString()));
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
