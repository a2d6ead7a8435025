#include "charts/TrackDraws.h"

#include "platform/Accessibility.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/WindowKit.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

int readTrackedSpan(const char* key, int draws)
{
    const int stored = Settings::readInteger(key, draws);
    return stored < 1 ? draws : stored;
}

void writeTrackedSpan(const char* key, int span)
{
    if (span >= 1)
        Settings::writeInteger(key, span);
}

TrackDrawsDialog::TrackDrawsDialog(QWidget* owner, const char* objectName, const QString& caption, const Layout& layout,
                                   const QString& helpKeyword, TrackedSpan& tracked)
    : QDialog(owner), tracked_(tracked)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    if (layout.resizable)
        resize(layout.client);
    else
        setFixedSize(layout.client);
    const QFont font = arialFont(13);
    setFont(font);

    spanPanel = new QFrame(this);
    spanPanel->setObjectName("Panel1");
    spanPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    spanPanel->setGeometry(layout.panel);
    spanLabel = addLabel(spanPanel, "Label1", tr("How Many Draws to Track:"), font, 12, layout.labelTop);

    spanEdit = addSpinEdit(spanPanel, "SpinEdit1", 1, 999, 3, QRect(layout.panel.width() - 76, layout.spinTop, 60, 26));
    spanEdit->setFont(font);
    nameForReader(spanEdit, tr("How many draws to track"));

    saveButton = new QPushButton(tr("&Save"), this);
    saveButton->setObjectName("Button1");
    saveButton->setGeometry(layout.panel.right() + 16, layout.buttonTop, 80, 30);
    connect(saveButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { save(); }); });

    Help::bindF1(this, helpKeyword);
    centreOnScreen(this);
}

bool TrackDrawsDialog::event(QEvent* e)
{
    // Prepared once: coming back from the help viewer keeps what was typed.
    if (e->type() == QEvent::WindowActivate && !prepared_) {
        prepared_ = true;
        runGuarded(this, [this] { refresh(); });
    }
    return QDialog::event(e);
}

void TrackDrawsDialog::refresh()
{
    spanEdit->setMaximum(tracked_.draws > 1 ? tracked_.draws : 1);
    if (tracked_.span > tracked_.draws - 1)
        tracked_.span = tracked_.draws;
    spanEdit->setValue(tracked_.span);
}

void TrackDrawsDialog::save()
{
    // Text that is not a number counts as the smallest value.
    tracked_.span = spinEditValue(spanEdit);
    accept();
}
