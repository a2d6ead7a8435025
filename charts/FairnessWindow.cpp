#include "charts/FairnessWindow.h"

#include "charts/ChartColours.h"
#include "engine/DrawRecord.h"
#include "engine/HitDistribution.h"
#include "platform/Accessibility.h"
#include "platform/Colours.h"
#include "platform/DrawsChoice.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent>

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{

} // namespace

FairnessWindow::FairnessWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("FairnessWindow");
    setWindowTitle(tr("Fairness Check"));
    resize(720, 640);
    rememberSize(this, "FairnessWindow");

    summaryLabel = addTextLabel(this, "summaryLabel");
    auto* drawsLabel = new QLabel(tr("&Test:"), this);
    drawsChoice = new DrawsChoice(this);
    drawsLabel->setBuddy(drawsChoice);
    connect(drawsChoice, &QComboBox::activated, this, [this] { runGuarded(this, [this] { refresh(); }); });
    table = addResultTable(this, "fairnessTable", 0,
                           {tr("Test"), tr("Statistic"), tr("Degrees of freedom"), tr("p-value")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    auto* positionLabel = new QLabel(tr("Digit counts &of:"), this);
    positionBox = new QComboBox(this);
    positionBox->setObjectName("positionBox");
    positionBox->addItems({tr("First position"), tr("Second position"), tr("Third position"), tr("All positions")});
    positionLabel->setBuddy(positionBox);
    connect(positionBox, &QComboBox::currentIndexChanged, this, [this] { showCounts(); });

    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chartView = new QChartView(chart, this);
    chartView->setObjectName("fairnessChart");
    nameForReader(chartView, tr("Chart of observed and expected counts"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(220);

    verdictLabel = addTextLabel(this, "verdictLabel", true);

    closeButton = addCloseButton(this);
    closeButton->setObjectName("closeButton");

    auto* drawsRow = new QHBoxLayout;
    drawsRow->addWidget(drawsLabel);
    drawsRow->addWidget(drawsChoice);
    drawsRow->addStretch(1);
    auto* positionRow = new QHBoxLayout;
    positionRow->addWidget(positionLabel);
    positionRow->addWidget(positionBox);
    positionRow->addStretch(1);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addStretch(1);
    bottomRow->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel);
    layout->addLayout(drawsRow);
    layout->addWidget(table);
    layout->addLayout(positionRow);
    layout->addWidget(chartView, 1);
    layout->addWidget(verdictLabel);
    layout->addLayout(bottomRow);

    Help::bindF1(this, "fairness");
    centreOnScreen(this);
    runGuarded(this, [this] { refresh(); });
}

void FairnessWindow::refresh()
{
    const Session& session = Session::instance();
    std::vector<quor3::DrawRecord> draws;
    {
        BusyCursor busy;
        drawsChoice->refresh();
        draws = drawsChoice->readDraws();
    }
    databaseText_ = session.databaseExists() ? drawsChoice->chosenName() : QString();
    current_ = nullptr;
    if (draws.size() <= BackgroundFrom) {
        result_ = quor3::checkFairness(draws);
        showResult();
        return;
    }

    summaryLabel->setText(tr("%1: testing %2 draws...").arg(databaseText_).arg(draws.size()));
    result_ = quor3::FairnessResult{};
    table->setRowCount(0);
    chartView->chart()->removeAllSeries();
    verdictLabel->clear();
    // The tests are pure: they run on Qt's pool on their own copy of the
    // draws. The result of a run that a later one replaced is dropped.
    auto* watcher = new QFutureWatcher<std::optional<quor3::FairnessResult>>(this);
    current_ = watcher;
    ++running_;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        --running_;
        watcher->deleteLater();
        if (watcher != current_)
            return;
        current_ = nullptr;
        std::optional<quor3::FairnessResult> result = watcher->result();
        if (!result) {
            summaryLabel->setText(tr("The fairness check could not be finished: not enough memory."));
            return;
        }
        result_ = std::move(*result);
        showResult();
    });
    watcher->setFuture(QtConcurrent::run([draws = std::move(draws)]() -> std::optional<quor3::FairnessResult> {
        try {
            return quor3::checkFairness(draws);
        } catch (const std::exception&) {
            return std::nullopt; // out of memory: nothing else can fail in there
        }
    }));
}

void FairnessWindow::showResult()
{
    QString summary = !databaseText_.isEmpty() ? databaseText_ + ": " : tr("No database is open. ");
    summary += tr("%1 draws tested").arg(result_.draws);
    if (result_.skipped > 0)
        summary += tr(", %1 left out for a digit outside 0 to 9").arg(result_.skipped);
    summary +=
        tr(". A p-value is the chance that fair draws would stray this far from the expected counts, or further.");
    summaryLabel->setText(summary);
    showTable();
    showCounts();
    verdictLabel->setText(QString::fromStdString(quor3::fairnessVerdict(result_)));
}

void FairnessWindow::showTable()
{
    table->setRowCount(static_cast<int>(result_.tests.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const quor3::FairnessTest& t = result_.tests[static_cast<std::size_t>(row)];
        table->setItem(row, 0, cellItem(QString::fromStdString(quor3::fairnessTestTitle(t.name)), false));
        if (t.name == "repeats") {
            // A count out of so many comparisons, not a chi-squared value.
            table->setItem(row, 1, cellItem(tr("%1 repeats").arg(t.statistic, 0, 'f', 0)));
            table->setItem(row, 2, cellItem(tr("%1 comparisons").arg(t.df)));
        } else {
            table->setItem(row, 1, cellItem(QString::number(t.statistic, 'f', 2)));
            table->setItem(row, 2, cellItem(QString::number(t.df)));
        }
        table->setItem(row, 3, cellItem(QString::fromStdString(quor3::pValueText(t.p))));
    }
    table->resizeRowsToContents();
    int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
    for (int r = 0; r < table->rowCount(); ++r)
        height += table->rowHeight(r);
    table->setFixedHeight(height);
}

void FairnessWindow::showCounts()
{
    const int position = positionBox->currentIndex();
    const auto& counts =
        position < 3 ? result_.positionCounts[static_cast<std::size_t>(position)] : result_.pooledCounts;
    const double fair = static_cast<double>(result_.draws) * (position < 3 ? 1 : 3) / 10.0;

    QChart* chart = chartView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(tr("How often each digit came up: %1").arg(positionBox->currentText().toLower()));

    auto* observed = new QBarSet(tr("Drawn"));
    observed->setColor(seriesColour(QColor(0x2f, 0x6f, 0xc8), palette()));
    auto* expected = new QBarSet(tr("Fair draws, on average"));
    expected->setColor(seriesColour(QColor(0xb8, 0xd4, 0xf0), palette()));
    QStringList digits;
    double top = 1.0;
    for (int d = 0; d < 10; ++d) {
        observed->append(static_cast<double>(counts[static_cast<std::size_t>(d)]));
        expected->append(fair);
        digits << QString::number(d);
        top = std::max({top, fair, static_cast<double>(counts[static_cast<std::size_t>(d)])});
    }
    auto* series = new QBarSeries;
    series->append(observed);
    series->append(expected);
    chart->addSeries(series);

    auto* digitAxis = new QBarCategoryAxis;
    digitAxis->append(digits);
    digitAxis->setTitleText(tr("Digit"));
    auto* countAxis = new QValueAxis;
    countAxis->setLabelFormat("%.0f");
    countAxis->setRange(0, std::ceil(top * 1.1));
    countAxis->applyNiceNumbers();
    countAxis->setTitleText(tr("Draws"));
    chart->addAxis(digitAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(digitAxis);
    series->attachAxis(countAxis);
    followPalette(chart, palette());
    chart->legend()->setAlignment(Qt::AlignBottom);
}
