#pragma once

#include <QObject>

#include <array>
#include <functional>

class QSpinBox;
class QWidget;

// The three digit boxes of a draw take its digits as they are typed: each
// digit fills a box and moves the focus on to the next, so that typing 509
// gives 5, 0 and 9; after the third the focus goes to `after`. Keys other
// than plain digits stay the boxes' own. A Tab pressed right after a digit
// has moved the focus on is the player's own step to that box, already
// taken: it moves nothing, so that "1 Tab 2 Tab 3" gives 1, 2 and 3 as
// "123" does.
class DigitTyping : public QObject
{
  public:
    DigitTyping(std::array<QSpinBox*, 3> boxes, QWidget* after, QObject* parent);

    // Called after each typed digit has been set.
    void setOnTyped(std::function<void()> onTyped) { onTyped_ = std::move(onTyped); }
    // The next digit goes to the first box, wherever the focus is.
    void restart();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void typeDigit(int box, int digit);

    std::array<QSpinBox*, 3> boxes_;
    QWidget* after_;
    // Which boxes got a typed digit since the focus last came to them: a
    // further digit goes on to the next box, so that digits typed before the
    // focus has moved still fill the boxes in turn.
    std::array<bool, 3> typedInto_{};
    // Where the last typed digit moved the focus, until another key or the
    // focus leaves it.
    QWidget* movedTo_ = nullptr;
    std::function<void()> onTyped_;
};
