#include "analysis/Totgrph.h"

TForm17::TForm17(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm17");
    setWindowTitle("Totals Bar Graph");
}
