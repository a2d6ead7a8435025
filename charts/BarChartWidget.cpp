#include "charts/BarChartWidget.h"

#include "charts/ChartColours.h"
#include "platform/Accessibility.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsSimpleTextItem>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace
{

// A tick step of 1, 2, 5, 10, 20, 50... that puts at most ten steps on the
// axis, whatever its end: Qt lays out a label for every tick.
double wholeTickStep(double axisMax)
{
    if (!std::isfinite(axisMax) || axisMax <= 10)
        return 1;
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
    bars_->setColor(seriesColour(QColor(0x2f, 0x6f, 0xc8), palette()));
    bars_->setBorderColor(seriesColour(QColor(0x1c, 0x44, 0x7d), palette()));
    series_->append(bars_);
    series_->setBarWidth(0.6);
    // The values stand above their bars in labels of our own (placeValueLabels).
    series_->setLabelsVisible(false);
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
    followPalette(chart_, palette());

    valueLabelFont_ = axisFont;

    view_ = new QChartView(chart_, this);
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFocusPolicy(Qt::NoFocus);
    connect(chart_, &QChart::plotAreaChanged, this, [this] { placeValueLabels(); });
    connect(valueAxis_, &QValueAxis::rangeChanged, this, [this] { placeValueLabels(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void BarChartWidget::setAxisMax(short index, double value)
{
    if (index != 1)
        return;
    axisMax_ = value;
    const double top = value > 0 && std::isfinite(value) ? value : 1;
    const double step = wholeTickStep(top);
    // Each change of the range or of the interval lays the labels out at
    // once: the change that keeps fewer ticks goes first, so that the axis
    // never holds more than ten steps in between (a range of 30,000 on the
    // old interval of 1 would lay out 30,000 labels).
    if (step >= valueAxis_->tickInterval()) {
        valueAxis_->setTickInterval(step);
        valueAxis_->setRange(0, top);
    } else {
        valueAxis_->setRange(0, top);
        valueAxis_->setTickInterval(step);
    }
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
        scheduleCaptions();
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
    scheduleCaptions();
}

bool BarChartWidget::event(QEvent* e)
{
    if (e->type() == captionsEvent) {
        showCaptions();
        return true;
    }
    return QWidget::event(e);
}

void BarChartWidget::scheduleCaptions()
{
    // The graphs set every caption one by one after the values, and each new
    // set of categories lays the whole axis out again: the captions of one
    // drawing go to the axis together, before the window paints (the high
    // priority puts them ahead of any pending paint).
    if (captionsPending_)
        return;
    captionsPending_ = true;
    QCoreApplication::postEvent(this, new QEvent(captionsEvent), Qt::HighEventPriority);
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
    describeForReader();
}

void BarChartWidget::showCaptions()
{
    captionsPending_ = false;
    // The category axis needs distinct names, and captions may repeat (or be
    // empty): each ends in an HTML comment with its point number, which the
    // axis (it shows names as HTML) lays out at no cost. The axis cuts a
    // caption wider than its bar ("01234..."); a long one is shown on two lines.
    QStringList names;
    for (int i = 0; i < pointCount(); ++i) {
        QString caption = pointLabel(static_cast<short>(i)).toHtmlEscaped();
        if (caption.size() > 5)
            caption.insert((caption.size() + 1) / 2, "<br>");
        names << caption + QString("<!--%1-->").arg(i);
    }
    if (names != categories_->categories())
        categories_->setCategories(names);
    describeForReader();
}

void BarChartWidget::showValues()
{
    QList<qreal> heights;
    heights.reserve(shown_.size());
    for (double v : shown_)
        heights << (decimals_ > 0 ? v : std::round(v));
    // Bars are changed in place while their number stays: removing and
    // appending them has Qt build every bar and its label anew.
    if (bars_->count() == heights.size()) {
        for (int i = 0; i < heights.size(); ++i)
            if (bars_->at(i) != heights[i])
                bars_->replace(i, heights[i]);
    } else {
        if (bars_->count() > 0)
            bars_->remove(0, bars_->count());
        bars_->append(heights);
    }
    placeValueLabels();
}

void BarChartWidget::placeValueLabels()
{
    // Each value stands just above its bar, dark on the chart's face, where
    // it can be read however short the bar. Qt's own bar labels cannot go
    // there: above the tallest bar (the axis ends only 3 higher) they fall
    // back inside the bar, and inside a short bar they are cut off.
    while (valueLabels_.size() > bars_->count())
        delete valueLabels_.takeLast();
    while (valueLabels_.size() < bars_->count()) {
        auto* label = new QGraphicsSimpleTextItem;
        view_->scene()->addItem(label);
        label->setBrush(seriesColour(QColor(0x20, 0x20, 0x20), palette(), 4.5));
        label->setPen(Qt::NoPen); // an outline would draw the text as a path, slowly
        label->setZValue(1000);
        valueLabels_ << label;
    }
    QStringList texts;
    int widest = 0;
    const QFontMetrics metrics(valueLabelFont_);
    for (int i = 0; i < bars_->count(); ++i) {
        texts << valueText(i);
        widest = std::max(widest, metrics.horizontalAdvance(texts.back()));
    }
    // Neighbouring labels must not run into each other: a smaller font when
    // the widest one is wider than the room of one bar.
    QFont font = valueLabelFont_;
    const double room = texts.isEmpty() ? 0 : chart_->plotArea().width() / texts.size() - 2;
    if (room > 0 && widest > room)
        font.setPixelSize(std::max(8, static_cast<int>(valueLabelFont_.pixelSize() * room / widest)));
    for (int i = 0; i < valueLabels_.size(); ++i) {
        QGraphicsSimpleTextItem* label = valueLabels_[i];
        const double value = bars_->at(i);
        if (label->font() != font)
            label->setFont(font);
        label->setText(texts[i]);
        const QPointF top = chart_->mapToPosition(QPointF(i, std::max(value, 0.0)), series_);
        const QRectF box = label->boundingRect();
        label->setPos(chart_->mapToScene(top.x() - box.width() / 2, top.y() - box.height() - 1));
    }
    describeForReader();
}

QString BarChartWidget::valueText(int point) const
{
    return QString::number(bars_->at(point), 'g', decimals_ > 0 ? 6 : 12);
}

void BarChartWidget::describeForReader()
{
    // A reader cannot see the bars: the chart is named by its titles and
    // describes each bar by its caption and value, in plain words (the
    // chart's own title and axis names are HTML).
    QString name = titles_.value(2);
    if (!titles_.value(3).isEmpty())
        name += ": " + titles_.value(3);
    QStringList spoken;
    for (int i = 0; i < bars_->count(); ++i)
        spoken << pointLabel(static_cast<short>(i)) + ": " + valueText(i);
    // The graph as a whole and its view, whichever a reader lands on.
    nameForReader(view_, name, spoken.join(", "));
    nameForReader(this, name, spoken.join(", "));
}
