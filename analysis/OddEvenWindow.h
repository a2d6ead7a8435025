#pragma once

#include "platform/Activation.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// "Odd / Even ": odd and even digit totals of the whole database, their
// percentages and the per-draw averages overall and over the last five draws.
class OddEvenWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit OddEvenWindow(QWidget* owner = nullptr);

    void refresh();

    // By the number in their object names, "Label1" to "Label18" (index 0 is "Label1").
    std::array<QLabel*, 18> labels{};
    QLabel* label(int number) const { return labels[static_cast<std::size_t>(number - 1)]; }
    QPushButton* closeButton = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    ActivationGate activation_;
};
