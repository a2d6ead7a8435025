#pragma once

#include <functional>

class QEvent;

// Passes each activation of a window to its activation handler, except:
// - while the handler itself or a command of the window is running (a message
//   shown in the middle of a command activates the window again when it closes);
// - the activation that returns from a message shown meanwhile: it is no fresh
//   activation, and an error shown by the handler would otherwise come back
//   for as long as the window is open.
// The handler must not throw: run it inside runGuarded.
class ActivationGate
{
  public:
    void handle(QEvent* event, const std::function<void()>& handler);
    bool busy() const { return busy_ || running_; }

    // Marks the window busy with a command for as long as it lives.
    class Busy
    {
      public:
        explicit Busy(ActivationGate& gate) : gate_(gate), was_(gate.busy_) { gate_.busy_ = true; }
        ~Busy() { gate_.busy_ = was_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

      private:
        ActivationGate& gate_;
        bool was_;
    };

  private:
    bool running_ = false;
    bool busy_ = false;
    bool skipNext_ = false;
};
