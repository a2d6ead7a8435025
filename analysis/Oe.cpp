#include "analysis/Oe.h"

TForm16::TForm16(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm16");
    setWindowTitle("Odd / Even ");
}
