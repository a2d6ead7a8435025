#pragma once

#include "platform/Activation.h"

#include "reports/ReportWidgets.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// "Pairs Report": how often each two digits were drawn together.
class PairsWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit PairsWindow(QWidget* owner = nullptr);

    void FormCreate();
    void FormActivate();

  protected:
    bool event(QEvent* e) override;

  private:
    QLabel* Label1;
    QLabel* Label2;
    QTableWidget* StringGrid1;
    QPushButton* BitBtn1;
    ActivationGate activation_;
};
