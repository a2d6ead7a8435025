#pragma once

#include "charts/TrackDraws.h"

// "Sums Analysis Configuration": how many draws the sums graph tracks.
class SumsGraphSettingsDialog : public TrackDrawsDialog
{
    Q_OBJECT
  public:
    SumsGraphSettingsDialog(TrackedSpan& tracked, QWidget* owner = nullptr);
};
