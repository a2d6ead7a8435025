#pragma once

#include "charts/TrackDraws.h"

// "Cumulative Totals Configuration": how many draws the totals graph tracks.
class TotalsGraphSettingsDialog : public TrackDrawsDialog
{
    Q_OBJECT
  public:
    TotalsGraphSettingsDialog(TrackedSpan& tracked, QWidget* owner = nullptr);
};
