#include "reports/Totals.h"

TForm6::TForm6(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm6");
    setWindowTitle("Totals Report");
}
