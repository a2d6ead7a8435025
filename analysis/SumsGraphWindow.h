#pragma once

#include "platform/Activation.h"

#include "engine/Analysis.h"

#include <QDialog>

class QPushButton;
class BarChartWidget;

// Shared by the graph and its dialog for the whole run.
namespace SumsAnalysis
{
extern int S; // draws to track; 0 until first loaded
extern int n; // draws in the open database when the graph last read it
inline const char* const SettingsKey = "Sum Analysis Days";
} // namespace SumsAnalysis

// "Sums Graph": how many of the last S draws have each digit sum 0..27.
class SumsGraphWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit SumsGraphWindow(QWidget* owner = nullptr);

    void refresh();
    void customize();

    BarChartWidget* chart = nullptr;
    QPushButton* customizeButton = nullptr;
    QPushButton* closeButton = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    ActivationGate activation_;
    void countSums();
    void draw();
    quor3::SumCounts sums_{};
};
