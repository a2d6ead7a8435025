#pragma once

#include "engine/Backtest.h"

#include <QDialog>

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "How Did the Choices Do?": every draw of the open database compared with
// the choices on offer the day before, list by list, against plays picked at
// random. Nothing is written.
class BacktestWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit BacktestWindow(QWidget* owner = nullptr);

    // Reads the database afresh and runs the backtest with the seed in the box.
    void recalculate();
    const quor3::BacktestResult& result() const { return result_; }

  private:
    void showTable();
    void showChart();

    quor3::BacktestResult result_;
    QLabel* summaryLabel;
    QSpinBox* seedBox;
    QPushButton* recalculateButton;
    QTableWidget* table;
    QChartView* chartView;
    QLabel* verdictLabel;
    QPushButton* closeButton;
};
