#pragma once

#include "engine/Dates.h"
#include "platform/Activation.h"

#include <QDialog>

#include <functional>

class QCalendarWidget;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

// The date last loaded or stored by the add window. It outlives the window:
// reopening the window on a database that does not exist yet keeps the year
// the user was working in.
namespace AddDrawsState
{
quor3::CivilDate lastEnteredDate();
void setLastEnteredDate(const quor3::CivilDate& date);
} // namespace AddDrawsState

// "Add Winning Entries": three digits and a draw date, stored at the end of
// the open database, followed by a full rebuild of the derived files.
class AddDrawsWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit AddDrawsWindow(QWidget* owner = nullptr);

    // Called after each stored draw, so that the window that opened this one
    // can show the new draw in its list.
    void setRefreshRequest(std::function<void()> request) { refreshRequest_ = std::move(request); }

    void refresh();
    void enterDraw();
    void closeWindow();
    void keepNotifyChoice();
    void clickNotifyLabel();
    void doubleClickNotifyLabel();
    void clickChoicesLabel();
    void doubleClickChoicesLabel();
    void showNextMonth();
    void showPreviousMonth();
    void loadNotifySetting();
    void saveNotifySetting();
    void proposeNextDate();
    void showMonthName();
    // The match check of the draw as the digit boxes and the calendar show it.
    void checkWinners();
    void checkWinners(int a, int b, int c, const quor3::CivilDate& drawDate);

    // The calendar's date.
    quor3::CivilDate calendarDate() const;

  protected:
    bool event(QEvent* e) override;

  private:
    void toggleNotify();
    void moveCalendarTo(const quor3::CivilDate& date);
    int digitOf(const QSpinBox* box) const;

    QLabel* headingLabel = nullptr;
    QFrame* calendarPanel = nullptr;
    QWidget* monthButtons = nullptr;
    QToolButton* nextMonthButton = nullptr;
    QToolButton* previousMonthButton = nullptr;
    QLabel* monthLabel = nullptr;
    QCalendarWidget* calendar = nullptr;
    QLabel* yearLabel = nullptr;
    QSpinBox* firstDigitBox = nullptr;
    QSpinBox* secondDigitBox = nullptr;
    QSpinBox* thirdDigitBox = nullptr;
    QPushButton* enterButton = nullptr;
    QCheckBox* notifyBox = nullptr;
    QLabel* notifyLabel = nullptr;
    QLabel* choicesLabel = nullptr;
    QPushButton* closeButton = nullptr;

    std::function<void()> refreshRequest_;
    // Closing a match message in the middle of an entry activates the window:
    // the opening steps must not run then.
    ActivationGate activation_;
};
