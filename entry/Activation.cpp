#include "entry/Activation.h"

#include "platform/Guard.h"

#include <exception>

void ActivationRunner::run(QWidget* window, const std::function<void()>& handler)
{
    if (busy_)
        return;
    Busy busy(*this);
    std::exception_ptr failure;
    std::string text;
    try {
        handler();
        lastFailure_.clear();
        return;
    } catch (const std::exception& e) {
        failure = std::current_exception();
        text = e.what();
    } catch (...) {
        failure = std::current_exception();
        text = "?";
    }
    if (text == lastFailure_)
        return;
    lastFailure_ = text;
    runGuarded(window, [&] { std::rethrow_exception(failure); });
}
