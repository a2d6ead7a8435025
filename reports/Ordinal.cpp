#include "reports/Ordinal.h"

TForm10::TForm10(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm10");
    setWindowTitle("Ordinal Report");
}
