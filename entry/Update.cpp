#include "entry/Update.h"

TForm14::TForm14(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm14");
    setWindowTitle("Correct It!");
}
