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

    void sizeGrid();
    void refresh();

  protected:
    bool event(QEvent* e) override;

  private:
    QLabel* findAcrossLabel;
    QLabel* lookDownLabel;
    QTableWidget* pairsGrid;
    QPushButton* closeButton;
    ActivationGate activation_;
};
