#include "analysis/SumsGraphSettingsDialog.h"

// The one resizable dialog of the program.
SumsGraphSettingsDialog::SumsGraphSettingsDialog(TrackedSpan& tracked, QWidget* owner)
    : TrackDrawsDialog(owner, "TForm21", tr("Sums Analysis Configuration"),
                       {QSize(379, 118), true, QRect(8, 16, 260, 84), 33, 29, 43}, "sums", tracked)
{
}
