#pragma once

#include "engine/Fairness.h"

#include <QDialog>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Fairness Check": do the draws of the open database look like fair random
// digits? A table of tests, the digit counts of one position against what fair
// draws give, and a verdict that allows for running several tests.
class FairnessWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit FairnessWindow(QWidget* owner = nullptr);

    // Reads the database afresh and runs the tests.
    void refresh();
    const quor3::FairnessResult& result() const { return result_; }

  private:
    void showTable();
    void showCounts();

    quor3::FairnessResult result_;
    QLabel* summaryLabel;
    QTableWidget* table;
    QComboBox* positionBox;
    QChartView* chartView;
    QLabel* verdictLabel;
    QPushButton* closeButton;
};
