#pragma once

#include "charts/TrackDraws.h"
#include "platform/Activation.h"

#include "engine/Ranking.h"

#include <QDialog>

class QPushButton;
class BarChartWidget;

// "Totals Bar Graph": how often each digit was drawn over the last tracked draws.
class TotalsGraphWindow : public QDialog
{
    Q_OBJECT
  public:
    static constexpr const char* SettingsKey = "Cumulative Days";
    explicit TotalsGraphWindow(QWidget* owner = nullptr);

    void refresh();
    void customize();
    void saveSpan();

    BarChartWidget* chart = nullptr;
    QPushButton* customizeButton = nullptr;
    QPushButton* closeButton = nullptr;
    TrackedSpan tracked; // edited by the settings dialog

  protected:
    bool event(QEvent* e) override;
    void done(int result) override;

  private:
    ActivationGate activation_;
    void countLastDraws();
    void draw();
    quor3::DigitValues totals_{};
};
