#include "analysis/sumscfg.h"

#include "analysis/sums.h"

// The one resizable dialog of the program.
TForm21::TForm21(QWidget* owner)
    : TrackDrawsDialog(owner, "TForm21", "Sums Analysis Configuration",
                       {QSize(379, 118), true, QRect(8, 16, 260, 84), 33, 29, 43}, "sums", SumsAnalysis::S,
                       SumsAnalysis::n)
{
}
