#include "entry/Add.h"

TForm3::TForm3(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm3");
    setWindowTitle("Update Database Sub-Menu");
}
