#pragma once

class QWidget;

// The windows that draw with Qt Charts or print with Qt PrintSupport live in a
// module of their own, loaded when the first of them opens (or just after the
// main window's first frame): the dynamic linker's work for those libraries
// would otherwise be a good part of the program's start-up.
namespace ChartWindows
{

// Numbered as the module's entry point knows them.
enum class Window {
    TotalsGraph,
    SumsGraph,
    SetsGraph,
    Fairness,
    ComputerChoices,
    Backtest,
    MyTickets,
    PrizeTable,
    BuildPlays
};

// Opens `window` modally over `parent`. Raises quor3::Error naming the module
// file when it cannot be loaded.
void show(Window window, QWidget* parent);

// Loads the module ahead of its first use; a failure waits for that use to be reported.
void preload();

} // namespace ChartWindows
