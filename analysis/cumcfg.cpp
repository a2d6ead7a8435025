#include "analysis/cumcfg.h"
#include "platform/WindowKit.h"

#include "analysis/Totgrph.h"
#include "engine/Analysis.h"
#include "platform/Guard.h"
#include "platform/Help.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace CumulativeTotals;

TForm12::TForm12(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm12");
    setWindowTitle("Cumulative Totals Configuration");
    setFixedSize(371, 84);
    const QFont font = arialFont(13);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 12, 256, 60);
    Label1 = addLabel(Panel1, "Label1", "How Many Draws to Track:", font, 12, 21);

    SpinEdit1 = addSpinEdit(Panel1, "SpinEdit1", 1, 999, 3, QRect());
    SpinEdit1->setFont(font);
    SpinEdit1->setGeometry(180, 17, 60, 26);

    Button1 = new QPushButton("&Save", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(280, 27, 80, 30);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });

    Help::bindF1(this, "graph");
    centreOnScreen(this);
}

bool TForm12::event(QEvent* e)
{
    // Prepared once: coming back from the help viewer keeps what was typed.
    if (e->type() == QEvent::WindowActivate && !prepared_) {
        prepared_ = true;
        runGuarded(this, [this] { FormActivate(); });
    }
    return QDialog::event(e);
}

void TForm12::FormActivate()
{
    SpinEdit1->setMaximum(n > 1 ? n : 1);
    if (D > n - 1)
        D = n;
    SpinEdit1->setValue(D);
}

void TForm12::Button1Click()
{
    // Text that is not a number falls back to the smallest value.
    D = spinEditValue(SpinEdit1);
    accept();
}
