#pragma once

#include "analysis/TrackDraws.h"

// "Cumulative Totals Configuration": how many draws the totals graph tracks.
class TForm12 : public TrackDrawsDialog
{
    Q_OBJECT
  public:
    explicit TForm12(QWidget* owner = nullptr);
};
