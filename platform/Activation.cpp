#include "platform/Activation.h"

#include <QEvent>

void ActivationGate::handle(QEvent* event, const std::function<void()>& handler)
{
    if (event->type() == QEvent::WindowDeactivate) {
        if (busy())
            skipNext_ = true;
        return;
    }
    if (event->type() != QEvent::WindowActivate)
        return;
    if (skipNext_) {
        skipNext_ = false;
        return;
    }
    if (busy())
        return;
    running_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{running_};
    handler();
}
