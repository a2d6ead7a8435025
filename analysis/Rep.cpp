#include "analysis/Rep.h"

TForm15::TForm15(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm15");
    setWindowTitle("% Repeats");
}
