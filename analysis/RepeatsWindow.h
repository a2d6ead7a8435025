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

    void refresh();

    QLabel* headingLabel = nullptr;
    std::array<QLabel*, 10> digitLabels{};   // "Label1" to "Label10"
    std::array<QLabel*, 10> percentLabels{}; // "Label11" to "Label20": digit 0..9
    QPushButton* closeButton = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    ActivationGate activation_;
};
