#include "analysis/BarChartWidget.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
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
        // Equal and empty captions still give one category per bar.
        auto* axis = qobject_cast<QBarCategoryAxis*>(chart.view()->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->count(), 5);
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

    void largeAxesKeepTenStepsAtMost()
    {
        BarChartWidget chart;
        drawValues(chart, {2190}, "big");
        QValueAxis* axis = valueAxis(chart);
        QVERIFY(2193.0 / axis->tickInterval() <= 10.0);
        QCOMPARE(axis->tickInterval(), std::round(axis->tickInterval()));
    }
};

QTEST_MAIN(ChartTest)
#include "BarChartWidgetTest.moc"
