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

    void FormActivate();
    void Button1Click();
    void FormClose();

    BarChartWidget* Chartfx1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

  protected:
    bool event(QEvent* e) override;
    void done(int result) override;

  private:
    ActivationGate activation_;
    void countLastDraws();
    void draw();
    quor3::DigitValues totals_{};
};
