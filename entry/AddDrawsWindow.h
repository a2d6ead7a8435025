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
namespace AddrecState
{
quor3::CivilDate lastEnteredDate();
void setLastEnteredDate(const quor3::CivilDate& date);
} // namespace AddrecState

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

    void FormActivate();
    void Button1Click();
    void BitBtn1Click();
    void CheckBox1Click();
    void Label1Click();
    void Label1DblClick();
    void Label2Click();
    void Label2DblClick();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void LoadQCheck();
    void SaveQCheck();
    void ProposeNextDate();
    void ShowMonthName();
    // The match check of the draw as the digit boxes and the calendar show it.
    void checkWinners();
    void checkWinners(int a, int b, int c, const quor3::CivilDate& drawDate);

    // The calendar's date.
    quor3::CivilDate calendarDate() const;

  protected:
    bool event(QEvent* e) override;

  private:
    void toggleCheckBox();
    void moveCalendarTo(const quor3::CivilDate& date);
    int digitOf(const QSpinBox* box) const;

    QLabel* Label4 = nullptr;
    QFrame* Panel1 = nullptr;
    QWidget* SpinButton1 = nullptr;
    QToolButton* upButton = nullptr;
    QToolButton* downButton = nullptr;
    QLabel* Panel2 = nullptr;
    QCalendarWidget* Calendar1 = nullptr;
    QLabel* Label3 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QSpinBox* SpinEdit3 = nullptr;
    QPushButton* Button1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    std::function<void()> refreshRequest_;
    // Closing a match message in the middle of an entry activates the window:
    // the opening steps must not run then.
    ActivationGate activation_;
};
