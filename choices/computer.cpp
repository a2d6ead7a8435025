#include "choices/computer.h"

TForm11::TForm11(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm11");
    setWindowTitle("Computer Choices");
}
