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

    void sizeGrid();
    void refresh();

  protected:
    bool event(QEvent* e) override;

  private:
    QLabel* headingLabel;
    QTableWidget* ordinalGrid;
    QPushButton* closeButton;
    ActivationGate activation_;
};
