#pragma once

#include "platform/Activation.h"

#include "engine/Analysis.h"

#include <QDialog>

class QPushButton;
class BarChartWidget;
class SetsGraphWindow;

// Shared by the graph and its dialog for the whole run.
namespace SetsGraph
{
extern int n;                  // draws in the open database when the graph last read it
extern SetsGraphWindow* graph; // the graph window while it is open; its dialog asks it to redraw
} // namespace SetsGraph

// "Graph Sets": one bar per user-defined set of digits, how often any digit of
// the set was drawn over the last N draws.
class SetsGraphWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit SetsGraphWindow(QWidget* owner = nullptr);
    ~SetsGraphWindow() override;

    void refresh();
    void customize();

    BarChartWidget* chart = nullptr;
    QPushButton* customizeButton = nullptr;
    QPushButton* closeButton = nullptr;
    // Set to 1 by the dialog's "&Save && Close".
    int redrawRequest = 0;

  protected:
    bool event(QEvent* e) override;

  private:
    ActivationGate activation_;
    // Appends each set's digits to its caption and returns the set totals.
    std::array<std::int32_t, quor3::SetCount> buildSets(const quor3::SetsConfig& config,
                                                        const quor3::DigitValues& counts);
    void draw(const std::array<std::int32_t, quor3::SetCount>& values, int span);
    void setCaptions(const std::array<const char*, quor3::SetCount>& captions);
    // The chart's tooltip: the pointed set in full, or all of them (-1).
    void showSetsTip(int pointedSet);
};
