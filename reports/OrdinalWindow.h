#pragma once

#include "platform/Activation.h"

#include "reports/ReportWidgets.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// "Ordinal Report": how many draws had each digit in each position.
class OrdinalWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit OrdinalWindow(QWidget* owner = nullptr);

    void FormCreate();
    void FormActivate();

  protected:
    bool event(QEvent* e) override;

  private:
    QLabel* Label1;
    QTableWidget* StringGrid1;
    QPushButton* BitBtn1;
    ActivationGate activation_;
};
