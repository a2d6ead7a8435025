#include "analysis/sumscfg.h"
#include "platform/WindowKit.h"

#include "analysis/sums.h"
#include "platform/Guard.h"
#include "platform/Help.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace SumsAnalysis;

TForm21::TForm21(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm21");
    setWindowTitle("Sums Analysis Configuration");
    resize(379, 118);
    const QFont font = arialFont(13);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 16, 260, 84);
    Label1 = addLabel(Panel1, "Label1", "How Many Draws to Track:", font, 12, 33);

    SpinEdit1 = addSpinEdit(Panel1, "SpinEdit1", 1, 999, 3, QRect());
    SpinEdit1->setFont(font);
    SpinEdit1->setGeometry(184, 29, 60, 26);

    Button1 = new QPushButton("&Save", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(284, 43, 80, 30);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });

    Help::bindF1(this, "sums");
    centreOnScreen(this);
}

bool TForm21::event(QEvent* e)
{
    // Prepared once: coming back from the help viewer keeps what was typed.
    if (e->type() == QEvent::WindowActivate && !prepared_) {
        prepared_ = true;
        runGuarded(this, [this] { FormActivate(); });
    }
    return QDialog::event(e);
}

void TForm21::FormActivate()
{
    SpinEdit1->setMaximum(n > 1 ? n : 1);
    if (S > n - 1)
        S = n;
    SpinEdit1->setValue(S);
}

void TForm21::Button1Click()
{
    S = spinEditValue(SpinEdit1);
    accept();
}
