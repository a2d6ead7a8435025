#pragma once

#include "analysis/TrackDraws.h"

// "Cumulative Totals Configuration": how many draws the totals graph tracks.
class TotalsGraphSettingsDialog : public TrackDrawsDialog
{
    Q_OBJECT
  public:
    explicit TotalsGraphSettingsDialog(QWidget* owner = nullptr);
};
