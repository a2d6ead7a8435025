#include "analysis/TotalsGraphSettingsDialog.h"

#include "analysis/TotalsGraphWindow.h"

TotalsGraphSettingsDialog::TotalsGraphSettingsDialog(QWidget* owner)
    : TrackDrawsDialog(owner, "TForm12", "Cumulative Totals Configuration",
                       {QSize(371, 84), false, QRect(8, 12, 256, 60), 21, 17, 27}, "graph", CumulativeTotals::D,
                       CumulativeTotals::n)
{
}
