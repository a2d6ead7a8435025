#pragma once

#include <filesystem>

#include "engine/Dates.h"
#include "engine/Winners.h"
#include "platform/Activation.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class DigitTyping;
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
    // Returns the matches, each logged.
    std::vector<quor3::WinnerMatch> checkWinners(int a, int b, int c, const quor3::CivilDate& drawDate);

    // The calendar's date.
    quor3::CivilDate calendarDate() const;

    // Forgets that the cut-back question was turned off for the database (it
    // was deleted): a new database of its name is asked again.
    static void forgetCutBackAnswer(const std::filesystem::path& database);

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Before an entry cuts a full database back, the user is asked; false
    // when the entry is not to be stored.
    bool cutBackAgreed(const std::filesystem::path& database);
    void toggleNotify();
    // Another process changed the database: a new last draw moves the
    // proposed date on; the digits typed stay.
    void followDiskChange();
    // While the player is typing a draw, the date stays where the player
    // has it, whatever another process stored; a draw stored meanwhile for
    // that very date is said, so that the typed digits are not stored on
    // it, or on another day, unseen.
    void keepTypedEntry();
    // The count and last date of the database, as far as this window showed them.
    std::pair<long long, double> databaseState() const;
    void moveCalendarTo(const quor3::CivilDate& date);
    int digitOf(const QSpinBox* box) const;
    // A key pressed in the calendar; false when it is not one that moves the date.
    bool moveCalendarByKey(int key);
    // The user typed a digit, or changed the draw or its date: "&Enter Entry"
    // may store it again. A change that leaves the draw and date as the last
    // store left them (Enter in a digit box reports its value anew) is none.
    void allowEntry(bool typed = false);
    // The digits and the date as the window shows them.
    std::array<int, 4> shownEntry() const;

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

    DigitTyping* digitTyping_ = nullptr;
    // Set while the window moves the calendar or resets the digits itself.
    bool changingItself_ = false;
    // The player has typed a digit or moved the date since the window last
    // proposed one.
    bool entryTyped_ = false;
    // What the window showed when the last store had finished.
    std::optional<std::array<int, 4>> afterStore_;
    std::function<void()> refreshRequest_;
    std::pair<long long, double> shownState_{0, 0.0};
    // Closing a match message in the middle of an entry activates the window:
    // the opening steps must not run then.
    ActivationGate activation_;
};
