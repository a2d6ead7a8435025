#pragma once

#include "platform/Activation.h"

#include "reports/ReportWidgets.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// "Totals Report": how often each digit was drawn, in any position, over the
// whole database.
class TotalsWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit TotalsWindow(QWidget* owner = nullptr);

    void FormActivate();
    void BitBtn1Click();

  protected:
    bool event(QEvent* e) override;

  private:
    QLabel* Label1;
    QLabel* Label2;
    QTableWidget* StringGrid1;
    QPushButton* BitBtn1;
    ActivationGate activation_;
};
