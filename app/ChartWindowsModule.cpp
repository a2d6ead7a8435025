// The entry point of the chart windows module (see ChartWindows.h).

#include "app/ChartWindows.h"
#include "charts/FairnessWindow.h"
#include "charts/SetsGraphWindow.h"
#include "charts/SumsGraphWindow.h"
#include "charts/TotalsGraphWindow.h"
#include "choices/BacktestWindow.h"
#include "choices/BuildPlaysWindow.h"
#include "choices/ComputerChoicesWindow.h"
#include "tickets/PrizeTableWindow.h"
#include "tickets/TicketsWindow.h"

namespace
{

template <typename Window> void showModal(QWidget* parent)
{
    Window window(parent);
    window.exec();
}

} // namespace

extern "C" Q_DECL_EXPORT void quor3ShowChartWindow(int window, QWidget* parent)
{
    switch (static_cast<ChartWindows::Window>(window)) {
    case ChartWindows::Window::TotalsGraph: return showModal<TotalsGraphWindow>(parent);
    case ChartWindows::Window::SumsGraph: return showModal<SumsGraphWindow>(parent);
    case ChartWindows::Window::SetsGraph: return showModal<SetsGraphWindow>(parent);
    case ChartWindows::Window::Fairness: return showModal<FairnessWindow>(parent);
    case ChartWindows::Window::ComputerChoices: return showModal<ComputerChoicesWindow>(parent);
    case ChartWindows::Window::Backtest: return showModal<BacktestWindow>(parent);
    case ChartWindows::Window::MyTickets: return showModal<TicketsWindow>(parent);
    case ChartWindows::Window::PrizeTable: return showModal<PrizeTableWindow>(parent);
    case ChartWindows::Window::BuildPlays: return showModal<BuildPlaysWindow>(parent);
    }
}
