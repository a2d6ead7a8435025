#pragma once

#include "charts/TrackDraws.h"
#include "platform/Activation.h"

#include "engine/Analysis.h"

#include <QDialog>

class QPushButton;
class BarChartWidget;

// "Sums Graph": how many of the last tracked draws have each digit sum 0..27.
class SumsGraphWindow : public QDialog
{
    Q_OBJECT
  public:
    static constexpr const char* SettingsKey = "Sum Analysis Days";
    explicit SumsGraphWindow(QWidget* owner = nullptr);

    void refresh();
    void customize();

    BarChartWidget* chart = nullptr;
    QPushButton* customizeButton = nullptr;
    QPushButton* closeButton = nullptr;
    TrackedSpan tracked; // edited by the settings dialog

  protected:
    bool event(QEvent* e) override;

  private:
    ActivationGate activation_;
    void countSums();
    void draw();
    quor3::SumCounts sums_{};
};
