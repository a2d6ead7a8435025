#pragma once

#include <functional>
#include <string>

class QWidget;

// Runs a window's activation handler inside the guard. The handler does not
// run while the window is busy with a command of its own (a message shown in
// the middle of a command activates the window again when it closes). A
// failure is shown once: closing its message activates the window again, and
// showing the same failure again would never end.
class ActivationRunner
{
  public:
    void run(QWidget* window, const std::function<void()>& handler);
    bool busy() const { return busy_; }

    // Marks the window busy for as long as it lives.
    class Busy
    {
      public:
        explicit Busy(ActivationRunner& runner) : runner_(runner), was_(runner.busy_) { runner_.busy_ = true; }
        ~Busy() { runner_.busy_ = was_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

      private:
        ActivationRunner& runner_;
        bool was_;
    };

  private:
    bool busy_ = false;
    std::string lastFailure_;
};
