#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one place where a failed command is reported: runs `command`, and when
// it raises, restores the pointer, shows the error's message in a message box
// titled with the application's title and returns false. The program goes on;
// files already written stay as written.
bool runGuarded(QWidget* parent, const std::function<void()>& command);

// Shows the hourglass pointer for as long as it lives, on every path out.
class BusyCursor
{
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
