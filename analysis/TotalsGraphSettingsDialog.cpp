#include "analysis/TotalsGraphSettingsDialog.h"

TotalsGraphSettingsDialog::TotalsGraphSettingsDialog(TrackedSpan& tracked, QWidget* owner)
    : TrackDrawsDialog(owner, "TForm12", tr("Cumulative Totals Configuration"),
                       {QSize(371, 84), false, QRect(8, 12, 256, 60), 21, 17, 27}, "graph", tracked)
{
}
