#pragma once

#include "analysis/TrackDraws.h"

// "Sums Analysis Configuration": how many draws the sums graph tracks.
class TForm21 : public TrackDrawsDialog
{
    Q_OBJECT
  public:
    explicit TForm21(QWidget* owner = nullptr);
};
