#pragma once

#include "platform/Activation.h"

#include "engine/Analysis.h"

#include <QDialog>

class QPushButton;
class BarChartWidget;
// "Graph Sets": one bar per user-defined set of digits, how often any digit of
// the set was drawn over the last N draws.
class SetsGraphWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit SetsGraphWindow(QWidget* owner = nullptr);

    void refresh();
    void customize();
    // Draws in the open database when the graph last read it: the longest span
    // its dialog offers.
    int draws() const { return draws_; }

    BarChartWidget* chart = nullptr;
    QPushButton* customizeButton = nullptr;
    QPushButton* closeButton = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    ActivationGate activation_;
    int draws_ = 0;
    // Appends each set's digits to its caption and returns the set totals.
    std::array<std::int32_t, quor3::SetCount> buildSets(const quor3::SetsConfig& config,
                                                        const quor3::DigitValues& counts);
    void draw(const std::array<std::int32_t, quor3::SetCount>& values, int span);
    void setCaptions(const std::array<const char*, quor3::SetCount>& captions);
    // The chart's tooltip: the pointed set in full, or all of them (-1).
    void showSetsTip(int pointedSet);
};
