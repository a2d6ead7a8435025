#pragma once

#include "platform/Activation.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// "% Repeats": each digit's repeat rate from the last rebuild, as a percentage.
class RepeatsWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit RepeatsWindow(QWidget* owner = nullptr);

    void FormActivate();

    QLabel* Label21 = nullptr;
    std::array<QLabel*, 10> DigitLabels{}; // Label1..Label10
    std::array<QLabel*, 10> ValueLabels{}; // Label11..Label20: digit 0..9
    QPushButton* BitBtn1 = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    ActivationGate activation_;
};
