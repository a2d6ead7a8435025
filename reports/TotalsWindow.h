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

    void refresh();
    void closeWindow();

  protected:
    bool event(QEvent* e) override;

  private:
    QLabel* digitsLabel;
    QLabel* timesPickedLabel;
    QTableWidget* totalsGrid;
    QPushButton* closeButton;
    ActivationGate activation_;
};
