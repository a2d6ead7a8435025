#pragma once

#include "platform/Activation.h"

#include "engine/Ranking.h"

#include <QDialog>

class QPushButton;
class BarChartWidget;

// Shared by the graph and its dialog for the whole run.
namespace CumulativeTotals
{
extern int D; // draws to track; 0 until first loaded
extern int n; // draws in the open database when the graph last read it
inline const char* const SettingsKey = "Cumulative Days";
} // namespace CumulativeTotals

// "Totals Bar Graph": how often each digit was drawn over the last D draws.
class TotalsGraphWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit TotalsGraphWindow(QWidget* owner = nullptr);

    void refresh();
    void customize();
    void saveSpan();

    BarChartWidget* chart = nullptr;
    QPushButton* customizeButton = nullptr;
    QPushButton* closeButton = nullptr;

  protected:
    bool event(QEvent* e) override;
    void done(int result) override;

  private:
    ActivationGate activation_;
    void countLastDraws();
    void draw();
    quor3::DigitValues totals_{};
};
