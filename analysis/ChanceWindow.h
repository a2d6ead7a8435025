#pragma once

#include "engine/Chance.h"

#include <QDialog>

class DrawsChoice;
class QLabel;
class QPushButton;
class QTableWidget;

// "What Chance Gives": beside every pattern the statistics windows show, over
// the working database or the full history, what chance alone gives, the
// range it gives 95 times in 100 and a verdict in words; under the table, how
// many rows chance alone puts outside their range and how many are.
class ChanceWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit ChanceWindow(QWidget* owner = nullptr);

    // Reads the chosen draws afresh and fills the table.
    void refresh();
    const quor3::ChanceReport& report() const { return report_; }

  private:
    quor3::ChanceReport report_;
    QLabel* summaryLabel;
    DrawsChoice* drawsChoice;
    QTableWidget* table;
    QLabel* warningLabel;
    QPushButton* closeButton;
};
