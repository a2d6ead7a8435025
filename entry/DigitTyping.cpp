#include "entry/DigitTyping.h"

#include <QEvent>
#include <QKeyEvent>
#include <QSpinBox>

DigitTyping::DigitTyping(std::array<QSpinBox*, 3> boxes, QWidget* after, QObject* parent)
    : QObject(parent), boxes_(boxes), after_(after)
{
    for (QSpinBox* box : boxes_)
        box->installEventFilter(this);
    if (after_)
        after_->installEventFilter(this);
}

void DigitTyping::restart()
{
    typedInto_ = {};
}

bool DigitTyping::eventFilter(QObject* watched, QEvent* event)
{
    if (movedTo_ && watched == movedTo_) {
        if (event->type() == QEvent::FocusOut) {
            movedTo_ = nullptr;
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            movedTo_ = nullptr;
            if (key->key() == Qt::Key_Tab && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
                return true;
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (watched != boxes_[i])
            continue;
        if (event->type() == QEvent::FocusIn)
            typedInto_[i] = false;
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool plainDigit = text.size() == 1 && text.front().isDigit() && text.front().unicode() < 128 &&
                                (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
        if (!plainDigit)
            return false;
        typeDigit(i, text.front().digitValue());
        return true;
    }
    return false;
}

void DigitTyping::typeDigit(int box, int digit)
{
    while (box < 3 && typedInto_[box])
        ++box;
    if (box == 3)
        return;
    boxes_[box]->setValue(digit);
    boxes_[box]->selectAll();
    typedInto_[box] = true;
    if (onTyped_)
        onTyped_();
    if (box < 2) {
        typedInto_[box + 1] = false;
        boxes_[box + 1]->setFocus(Qt::TabFocusReason);
        boxes_[box + 1]->selectAll();
        movedTo_ = boxes_[box + 1];
    } else if (after_) {
        after_->setFocus(Qt::TabFocusReason);
        movedTo_ = after_;
    }
}
