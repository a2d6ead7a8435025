#pragma once

#include "platform/Activation.h"

#include "reports/ReportWidgets.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Skip/Trace Chart": for each digit, its mark in each draw of the trace
// window, written to "frequent.txt" and shown from there.
class SkipTraceWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit SkipTraceWindow(QWidget* owner = nullptr);

    void refresh();

  protected:
    bool event(QEvent* e) override;

  private:
    QLabel* titleLabel;
    QPlainTextEdit* digitMemo;
    QPlainTextEdit* chartMemo;
    QPushButton* closeButton;
    ActivationGate activation_;
};
