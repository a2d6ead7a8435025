#pragma once

#include "engine/Rebuild.h"

#include <QString>

// Sends the rebuild's status texts to the main window's status bar, with the
// last draw date in the system's short date format.
class StatusBarSink : public quor3::StatusSink
{
  public:
    void setStatusText(int panel, const std::string& text) override;
    std::string formatDate(double dayNumber) const override;
};

// A day number in the system's short date format.
QString shortDateText(double dayNumber);
