#include "reports/Freq.h"

TForm8::TForm8(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm8");
    setWindowTitle("Skip/Trace Chart");
}
