#pragma once

#include "engine/Fairness.h"

#include <QDialog>

class DrawsChoice;
class QChartView;
class QFutureWatcherBase;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Fairness Check": do the draws of the open database (its working draws or
// its full history) look like fair random digits? A table of tests, the digit counts of one position against what fair
// draws give, and a verdict that allows for running several tests.
class FairnessWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit FairnessWindow(QWidget* owner = nullptr);

    // Reads the chosen draws afresh and runs the tests: at once for up to
    // BackgroundFrom draws, in the background for more (the window says so
    // and fills when they are done).
    void refresh();
    bool busy() const { return running_ != 0; }
    static constexpr std::size_t BackgroundFrom = 5000;
    const quor3::FairnessResult& result() const { return result_; }

  private:
    void showResult();
    void showTable();
    void showCounts();

    quor3::FairnessResult result_;
    QString databaseText_;
    // The run whose result the window waits for; a later refresh replaces it.
    QFutureWatcherBase* current_ = nullptr;
    int running_ = 0;
    QLabel* summaryLabel;
    DrawsChoice* drawsChoice;
    QTableWidget* table;
    QComboBox* positionBox;
    QChartView* chartView;
    QLabel* verdictLabel;
    QPushButton* closeButton;
};
