#include "reports/Pairs.h"

TForm9::TForm9(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm9");
    setWindowTitle("Pairs Report");
}
