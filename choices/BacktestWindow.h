#pragma once

#include "engine/Backtest.h"

#include <QDialog>

#include <atomic>
#include <memory>

class DrawsChoice;
class QChart;
class QChartView;
class QFutureWatcherBase;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "How Did the Choices Do?": every draw of the open database (its working
// draws or its full history) compared with the choices on offer the day
// before, list by list, against plays picked at random. Nothing is written.
class BacktestWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit BacktestWindow(QWidget* owner = nullptr);
    ~BacktestWindow() override;

    // Reads the chosen draws afresh and runs the backtest with the seed in the box:
    // at once for a history of up to BackgroundFrom draws, in the background
    // for a longer one (the window says so and fills when it is done).
    void recalculate();
    bool busy() const { return running_ != 0; }
    static constexpr std::size_t BackgroundFrom = 5000;
    const quor3::BacktestResult& result() const { return result_; }

  private:
    void showResult();
    void showTable();
    void showChart();

    quor3::BacktestResult result_;
    QString databaseText_;
    // The run whose result the window waits for; a later recalculation replaces it.
    QFutureWatcherBase* current_ = nullptr;
    int running_ = 0;
    // Tells the backtest running in the background that nobody waits for it.
    std::shared_ptr<std::atomic<bool>> stopRunning_;
    QLabel* summaryLabel;
    DrawsChoice* drawsChoice;
    QSpinBox* seedBox;
    QPushButton* recalculateButton;
    QTableWidget* table;
    QLabel* moneyLabel;
    QChartView* chartView;
    QLabel* verdictLabel;
    QPushButton* closeButton;
};
