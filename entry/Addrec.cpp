#include "entry/Addrec.h"

TForm13::TForm13(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm13");
    setWindowTitle("Add Winning Entries");
}
