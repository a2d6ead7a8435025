#include "reports/Search.h"

TForm2::TForm2(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm2");
    setWindowTitle("Search Database");
}
