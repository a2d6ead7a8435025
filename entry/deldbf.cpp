#include "entry/deldbf.h"

TForm5::TForm5(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm5");
    setWindowTitle("Delete Data File");
}
