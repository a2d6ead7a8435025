#include "analysis/BarChartWidget.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace
{

// A tick step of 1, 2, 5, 10, 20, 50... that puts at most ten steps on the axis.
double wholeTickStep(double axisMax)
{
    double step = 1;
    for (;;) {
        for (double factor : {1.0, 2.0, 5.0})
            if (axisMax / (step * factor) <= 10.0)
                return step * factor;
        step *= 10;
    }
}

} // namespace

BarChartWidget::BarChartWidget(QWidget* parent) : QWidget(parent)
{
    chart_ = new QChart;
    chart_->setObjectName("Chart");
    chart_->legend()->hide();
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(6, 6, 6, 6));
    QFont titleFont("Arial");
    titleFont.setPixelSize(15);
    titleFont.setBold(true);
    chart_->setTitleFont(titleFont);

    series_ = new QBarSeries;
    bars_ = new QBarSet(QString());
    bars_->setColor(QColor(0x2f, 0x6f, 0xc8));
    bars_->setBorderColor(QColor(0x1c, 0x44, 0x7d));
    bars_->setLabelColor(Qt::white);
    series_->append(bars_);
    series_->setBarWidth(0.6);
    series_->setLabelsVisible(true);
    // Inside the top of the bar: above it the label would collide with the axis end.
    series_->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    series_->setLabelsFormat("@value");
    chart_->addSeries(series_);

    QFont axisFont("Arial");
    axisFont.setPixelSize(12);
    categories_ = new QBarCategoryAxis;
    categories_->setLabelsFont(axisFont);
    categories_->setGridLineVisible(false);
    chart_->addAxis(categories_, Qt::AlignBottom);
    series_->attachAxis(categories_);

    valueAxis_ = new QValueAxis;
    valueAxis_->setLabelsFont(axisFont);
    valueAxis_->setLabelFormat("%.0f");
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickAnchor(0);
    valueAxis_->setMinorTickCount(0);
    valueAxis_->setRange(0, 1);
    valueAxis_->setTickInterval(1);
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    series_->attachAxis(valueAxis_);

    view_ = new QChartView(chart_, this);
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void BarChartWidget::setAxisMax(short index, double value)
{
    if (index != 1)
        return;
    axisMax_ = value;
    valueAxis_->setRange(0, value > 0 ? value : 1);
    valueAxis_->setTickInterval(wholeTickStep(value > 0 ? value : 1));
}

int BarChartWidget::beginValues(short /*type*/, short /*series*/, short points)
{
    pending_ = QVector<double>(points > 0 ? points : 0, 0.0);
    collecting_ = true;
    return 0;
}

void BarChartWidget::setChartTitle(short slot, const QString& text)
{
    titles_[slot] = text;
    showTitles();
}

void BarChartWidget::setDecimals(int decimals)
{
    decimals_ = decimals;
}

void BarChartWidget::setThisSerie(int serie)
{
    thisSerie_ = serie;
}

void BarChartWidget::setPointValue(short point, double value)
{
    if (collecting_ && point >= 0 && point < pending_.size())
        pending_[point] = value;
}

int BarChartWidget::endValues()
{
    if (collecting_) {
        shown_ = pending_;
        collecting_ = false;
        ++drawings_;
        showValues();
        showCaptions();
    }
    return 0;
}

QString BarChartWidget::pointLabel(short point) const
{
    return labels_.value(point);
}

void BarChartWidget::setPointLabel(short point, const QString& text)
{
    labels_[point] = text;
    showCaptions();
}

QStringList BarChartWidget::captions() const
{
    QStringList list;
    for (int i = 0; i < pointCount(); ++i)
        list << pointLabel(static_cast<short>(i));
    return list;
}

void BarChartWidget::showTitles()
{
    const QString main = titles_.value(2).toHtmlEscaped();
    const QString second = titles_.value(3).toHtmlEscaped();
    if (second.isEmpty())
        chart_->setTitle(main);
    else
        chart_->setTitle("<div align=\"center\">" + main + "<br><span style=\"font-size:13px; font-weight:normal\">" +
                         second + "</span></div>");
}

void BarChartWidget::showCaptions()
{
    // The category axis needs distinct names, and captions may repeat (or be
    // empty): each gets its own number of zero-width spaces.
    QStringList names;
    for (int i = 0; i < pointCount(); ++i)
        names << pointLabel(static_cast<short>(i)) + QString(i, QChar(0x200B));
    categories_->setCategories(names);
}

void BarChartWidget::showValues()
{
    series_->setLabelsPrecision(decimals_ > 0 ? 6 : 12);
    if (bars_->count() > 0)
        bars_->remove(0, bars_->count());
    for (double v : shown_)
        bars_->append(decimals_ > 0 ? v : std::round(v));
}
