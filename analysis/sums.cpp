#include "analysis/sums.h"

TForm4::TForm4(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm4");
    setWindowTitle("Sums Graph");
}
