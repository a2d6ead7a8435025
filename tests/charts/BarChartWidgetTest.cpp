#include "charts/BarChartWidget.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QTest>
#include <QValueAxis>

namespace
{

void drawValues(BarChartWidget& chart, const QVector<double>& values, const QString& title)
{
    double largest = 0;
    for (double v : values)
        largest = std::max(largest, v);
    chart.setAxisMax(1, largest + 3);
    chart.beginValues(1, 1, static_cast<short>(values.size()));
    chart.setChartTitle(2, title);
    chart.setDecimals(0);
    chart.setThisSerie(0);
    for (int i = 0; i < values.size(); ++i)
        chart.setPointValue(static_cast<short>(i), values[i]);
    chart.endValues();
}

QValueAxis* valueAxis(BarChartWidget& chart)
{
    const auto axes = chart.view()->chart()->axes(Qt::Vertical);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

QBarSet* bars(BarChartWidget& chart)
{
    auto* series = qobject_cast<QBarSeries*>(chart.view()->chart()->series().value(0));
    return series ? series->barSets().value(0) : nullptr;
}

} // namespace

class ChartTest : public QObject
{
    Q_OBJECT

  private slots:
    void operationsAreShownAndReadBack()
    {
        BarChartWidget chart;
        drawValues(chart, {4, 0, 17, 2}, "Four bars");
        QCOMPARE(chart.axisMax(), 20.0);
        QCOMPARE(chart.values(), QVector<double>({4, 0, 17, 2}));
        QCOMPARE(chart.chartTitle(2), QString("Four bars"));
        QVERIFY(chart.chartTitle(3).isEmpty());
        QCOMPARE(chart.decimals(), 0);
        QCOMPARE(chart.thisSerie(), 0);

        QBarSet* set = bars(chart);
        QVERIFY(set);
        QCOMPARE(set->count(), 4);
        QCOMPARE(set->at(2), 17.0);
        QValueAxis* axis = valueAxis(chart);
        QVERIFY(axis);
        QCOMPARE(axis->min(), 0.0);
        QCOMPARE(axis->max(), 20.0);
        QCOMPARE(axis->tickInterval(), std::round(axis->tickInterval())); // whole-number ticks
        QVERIFY(chart.view()->chart()->title().contains("Four bars"));
    }

    void valuesOnlyChangeAtEndValues()
    {
        BarChartWidget chart;
        drawValues(chart, {1, 2}, "first");
        chart.beginValues(1, 1, 2);
        chart.setPointValue(0, 9);
        chart.setPointValue(5, 9); // beyond the points: ignored
        QCOMPARE(chart.values(), QVector<double>({1, 2}));
        chart.endValues();
        QCOMPARE(chart.values(), QVector<double>({9, 0}));
        QCOMPARE(chart.drawings(), 2);
    }

    void captionsKeepTheirTextAcrossDrawings()
    {
        BarChartWidget chart;
        QVERIFY(chart.pointLabel(3).isEmpty());
        chart.setPointLabel(0, "159"); // before the first drawing
        drawValues(chart, {1, 2, 3, 4, 5}, "Sets");
        chart.setPointLabel(1, "3");
        drawValues(chart, {5, 4, 3, 2, 1}, "again");
        QCOMPARE(chart.captions(), QStringList({"159", "3", "", "", ""}));
        // Equal and empty captions still give one category per bar, once the
        // captions of the drawing have gone to the axis together.
        auto* axis = qobject_cast<QBarCategoryAxis*>(chart.view()->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QTRY_COMPARE(axis->count(), 5);
        QVERIFY(axis->at(0).startsWith("159"));
    }

    void secondTitleJoinsTheMainTitle()
    {
        BarChartWidget chart;
        drawValues(chart, {1}, "Set Totals for Past 7 Draws");
        chart.setChartTitle(3, "Sets");
        QCOMPARE(chart.chartTitle(3), QString("Sets"));
        const QString shown = chart.view()->chart()->title();
        QVERIFY(shown.contains("Set Totals for Past 7 Draws"));
        QVERIFY(shown.contains("Sets"));
    }

    // A screen reader hears the titles and each bar's caption and value in
    // plain words, as they are now: after new captions (Customize), the new ones.
    void readersHearPlainTitlesCaptionsAndValues()
    {
        BarChartWidget chart;
        chart.setPointLabel(0, "0");
        chart.setPointLabel(1, "0");
        drawValues(chart, {4, 0}, "Set Totals for Past 7 Draws");
        chart.setChartTitle(3, "Sets");
        QCOMPARE(chart.view()->accessibleName(), QString("Set Totals for Past 7 Draws: Sets"));
        QCOMPARE(chart.view()->accessibleDescription(), QString("0: 4, 0: 0"));
        chart.setPointLabel(0, "037");
        chart.setPointLabel(1, "1<2");
        QTRY_COMPARE(chart.view()->accessibleDescription(), QString("037: 4, 1<2: 0"));
    }

    void largeAxesKeepTenStepsAtMost()
    {
        BarChartWidget chart;
        drawValues(chart, {2190}, "big");
        QValueAxis* axis = valueAxis(chart);
        QVERIFY(2193.0 / axis->tickInterval() <= 10.0);
        QCOMPARE(axis->tickInterval(), std::round(axis->tickInterval()));
    }

    // Qt lays out a label for every tick at each change of the range or the
    // interval: no step in between may put more than ten on the axis, going
    // up to a large count or back down.
    void noAxisChangeLaysOutMoreThanTenSteps()
    {
        BarChartWidget chart;
        QValueAxis* axis = valueAxis(chart);
        QVERIFY(axis);
        double mostSteps = 0;
        auto count = [&] { mostSteps = std::max(mostSteps, (axis->max() - axis->min()) / axis->tickInterval()); };
        connect(axis, &QValueAxis::rangeChanged, this, count);
        connect(axis, &QValueAxis::tickIntervalChanged, this, count);
        for (double tallest : {30000.0, 7.0, 99997.0, 0.0, 2147483644.0, 40.0}) {
            drawValues(chart, {tallest, tallest / 2}, "span");
            QCOMPARE(axis->max(), tallest + 3);
        }
        QVERIFY2(mostSteps <= 10.0, qPrintable(QString::number(mostSteps)));
    }

    // Setting the captions one by one after the values lays the axis out once.
    void captionsReachTheAxisOncePerDrawing()
    {
        BarChartWidget chart;
        auto* axis = qobject_cast<QBarCategoryAxis*>(chart.view()->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        int changes = 0;
        connect(axis, &QBarCategoryAxis::categoriesChanged, this, [&] { ++changes; });
        const QVector<double> sums(28, 5.0);
        for (int drawing = 0; drawing < 2; ++drawing) {
            drawValues(chart, sums, "Sums");
            for (int s = 0; s < 28; ++s)
                chart.setPointLabel(static_cast<short>(s), QString::number(s));
            QTRY_COMPARE(axis->count(), 28);
            QCoreApplication::processEvents();
        }
        QCOMPARE(changes, 1); // the second drawing's captions are the same
        QVERIFY(axis->at(27).startsWith("27"));
    }

    // Every value stands above its bar in a dark label, the tallest one too
    // (the axis ends only 3 above it), short bars included, and neighbouring
    // labels do not run into each other, up to the five-digit counts of a
    // very long history.
    void valuesStandAboveTheirBarsInDarkLabels()
    {
        for (double scale : {1.0, 300.0}) {
            BarChartWidget chart;
            chart.resize(769, 313);
            chart.show();
            QVERIFY(QTest::qWaitForWindowExposed(&chart));
            QVector<double> values;
            for (int s = 0; s < 28; ++s)
                values << std::round(scale * (s < 14 ? s * s : (27 - s) * (27 - s)) / 2.0 + 1);
            drawValues(chart, values, "Sums");

            QChart* qchart = chart.view()->chart();
            auto* series = qobject_cast<QBarSeries*>(qchart->series().value(0));
            QVERIFY(!series->isLabelsVisible()); // no second, clipped set of labels
            QList<QGraphicsSimpleTextItem*> labels;
            const auto items = chart.view()->scene()->items(Qt::AscendingOrder);
            for (QGraphicsItem* item : items)
                if (auto* label = dynamic_cast<QGraphicsSimpleTextItem*>(item); label && label->isVisible())
                    labels << label;
            QCOMPARE(labels.size(), 28);
            std::sort(labels.begin(), labels.end(),
                      [](auto* a, auto* b) { return a->sceneBoundingRect().x() < b->sceneBoundingRect().x(); });
            QTRY_VERIFY(qchart->plotArea().width() > 500);
            QCoreApplication::processEvents();
            for (int s = 0; s < 28; ++s) {
                QGraphicsSimpleTextItem* label = labels[s];
                QCOMPARE(label->text(), QString::number(values[s]));
                QVERIFY(label->brush().color().lightness() < 80);
                QVERIFY(label->zValue() > 0);
                const QRectF box = label->sceneBoundingRect();
                const QPointF barTop = qchart->mapToScene(qchart->mapToPosition(QPointF(s, values[s]), series));
                QVERIFY2(box.bottom() <= barTop.y() + 0.5 && box.bottom() >= barTop.y() - 4,
                         qPrintable(
                             QString("bar %1: label bottom %2, bar top %3").arg(s).arg(box.bottom()).arg(barTop.y())));
                QVERIFY(std::abs(box.center().x() - barTop.x()) < 1.0);
                QVERIFY(box.top() >= 0);
                if (s > 0)
                    QVERIFY2(labels[s - 1]->sceneBoundingRect().right() <= box.left(), qPrintable(label->text()));
            }
        }
    }
};

QTEST_MAIN(ChartTest)
#include "BarChartWidgetTest.moc"
