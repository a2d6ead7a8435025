#include "analysis/Sets.h"

TForm19::TForm19(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm19");
    setWindowTitle("Graph Sets");
}
