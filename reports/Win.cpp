#include "reports/Win.h"

TForm7::TForm7(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm7");
    setWindowTitle("Winning Lotto Entries");
}
