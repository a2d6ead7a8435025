#pragma once

#include <QEvent>
#include <QFont>
#include <QList>
#include <QMap>
#include <QString>
#include <QVector>
#include <QWidget>

class QChart;
class QChartView;
class QBarSeries;
class QBarSet;
class QBarCategoryAxis;
class QValueAxis;
class QGraphicsSimpleTextItem;

// The bar chart of the three graph windows: one series of bars on a value
// axis that starts at 0, a main title and a second title, and a caption under
// each bar. The graph windows talk to it only through the operations below,
// in the order setAxisMax, beginValues, setChartTitle, setDecimals, setThisSerie,
// setPointValue..., endValues, with captions set before or after.
class BarChartWidget : public QWidget
{
    Q_OBJECT
  public:
    explicit BarChartWidget(QWidget* parent = nullptr);

    // The value axis (index 1) ends at `value`; its ticks are whole numbers.
    void setAxisMax(short index, double value);
    // Starts a fresh set of `points` zero values in one series; the result
    // only mirrors the control this replaces and means nothing.
    int beginValues(short type, short series, short points);
    // Slot 2 is the main title, slot 3 the second title under it.
    void setChartTitle(short slot, const QString& text);
    void setDecimals(int decimals);
    int decimals() const { return decimals_; }
    void setThisSerie(int serie);
    int thisSerie() const { return thisSerie_; }
    void setPointValue(short point, double value);
    // The values set since beginValues are complete: the chart shows them.
    int endValues();
    // A caption keeps its text until it is set again, across drawings.
    QString pointLabel(short point) const;
    void setPointLabel(short point, const QString& text);

    // What the chart shows now.
    double axisMax() const { return axisMax_; }
    QString chartTitle(short slot) const { return titles_.value(slot); }
    QVector<double> values() const { return shown_; }
    int pointCount() const { return static_cast<int>(shown_.size()); }
    QStringList captions() const;
    int drawings() const { return drawings_; }
    QChartView* view() const { return view_; }

  protected:
    bool event(QEvent* e) override;

  private:
    static constexpr QEvent::Type captionsEvent = static_cast<QEvent::Type>(QEvent::User + 17);
    void scheduleCaptions();
    void showTitles();
    void showCaptions();
    void showValues();
    void placeValueLabels();
    QString valueText(int point) const;
    // The chart's name and description for screen readers, from its titles,
    // captions and values as they are now.
    void describeForReader();

    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QBarSeries* series_ = nullptr;
    QBarSet* bars_ = nullptr;
    QBarCategoryAxis* categories_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;

    double axisMax_ = 0;
    int decimals_ = 0;
    int thisSerie_ = 0;
    int drawings_ = 0;
    bool collecting_ = false;
    bool captionsPending_ = false;
    QVector<double> pending_;
    QVector<double> shown_;
    QMap<short, QString> titles_;
    QMap<short, QString> labels_;
    QList<QGraphicsSimpleTextItem*> valueLabels_;
    QFont valueLabelFont_;
};
