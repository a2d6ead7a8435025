#include "analysis/TrackDraws.h"

#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/WindowKit.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

TrackDrawsDialog::TrackDrawsDialog(QWidget* owner, const char* objectName, const QString& caption, const Layout& layout,
                                   const QString& helpKeyword, int& span, const int& draws)
    : QDialog(owner), span_(span), draws_(draws)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    if (layout.resizable)
        resize(layout.client);
    else
        setFixedSize(layout.client);
    const QFont font = arialFont(13);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(layout.panel);
    Label1 = addLabel(Panel1, "Label1", "How Many Draws to Track:", font, 12, layout.labelTop);

    SpinEdit1 = addSpinEdit(Panel1, "SpinEdit1", 1, 999, 3, QRect(layout.panel.width() - 76, layout.spinTop, 60, 26));
    SpinEdit1->setFont(font);

    Button1 = new QPushButton("&Save", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(layout.panel.right() + 16, layout.buttonTop, 80, 30);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });

    Help::bindF1(this, helpKeyword);
    centreOnScreen(this);
}

bool TrackDrawsDialog::event(QEvent* e)
{
    // Prepared once: coming back from the help viewer keeps what was typed.
    if (e->type() == QEvent::WindowActivate && !prepared_) {
        prepared_ = true;
        runGuarded(this, [this] { FormActivate(); });
    }
    return QDialog::event(e);
}

void TrackDrawsDialog::FormActivate()
{
    SpinEdit1->setMaximum(draws_ > 1 ? draws_ : 1);
    if (span_ > draws_ - 1)
        span_ = draws_;
    SpinEdit1->setValue(span_);
}

void TrackDrawsDialog::Button1Click()
{
    // Text that is not a number counts as the smallest value.
    span_ = spinEditValue(SpinEdit1);
    accept();
}
