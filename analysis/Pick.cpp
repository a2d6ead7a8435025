#include "analysis/Pick.h"

TForm18::TForm18(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm18");
    setWindowTitle("Hot/Cold Numbers");
}
