#include "choices/BacktestWindow.h"

#include "charts/ChartColours.h"
#include "choices/ComputerChoicesWindow.h"
#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/Tickets.h"
#include "platform/Accessibility.h"
#include "platform/Colours.h"
#include "platform/DrawsChoice.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

namespace
{

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

BacktestWindow::BacktestWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("BacktestWindow");
    setWindowTitle(tr("How Did the Choices Do?"));
    resize(780, 640);
    rememberSize(this, "BacktestWindow");

    summaryLabel = addTextLabel(this, "summaryLabel");

    auto* drawsLabel = new QLabel(tr("&Test:"), this);
    drawsChoice = new DrawsChoice(this);
    drawsLabel->setBuddy(drawsChoice);
    connect(drawsChoice, &QComboBox::activated, this, [this] { runGuarded(this, [this] { recalculate(); }); });

    auto* seedLabel = new QLabel(tr("Odd/even &seed:"), this);
    seedBox = new QSpinBox(this);
    seedBox->setObjectName("seedBox");
    seedBox->setRange(0, std::numeric_limits<int>::max());
    seedBox->setValue(static_cast<int>(quor3::DefaultBacktestSeed));
    seedBox->setToolTip(
        tr("The odd/even list has random digits; this number fixes them, so that a run can be repeated."));
    seedLabel->setBuddy(seedBox);
    recalculateButton = new QPushButton(tr("&Recalculate"), this);
    recalculateButton->setObjectName("recalculateButton");
    // Enter in the seed box recalculates.
    recalculateButton->setDefault(true);
    connect(recalculateButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { recalculate(); }); });

    table = addResultTable(this, "backtestTable", quor3::ChoiceLists + 1,
                           {tr("List"), tr("Plays"), tr("Matches"), tr("By chance"), tr("95% range"), tr("p-value"),
                            tr("Exact order (by chance)")});
    // Every column as wide as its texts at any font size (showTable measures
    // them); the table scrolls sideways rather than cutting a list name short.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStretchLastSection(true);

    // The backtest in money: every suggestion played straight for $1.
    moneyLabel = addTextLabel(this, "moneyLabel");

    auto* chart = new QChart;
    chart->setTitle(tr("Matches so far, and what plays picked at random would score"));
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chartView = new QChartView(chart, this);
    chartView->setObjectName("backtestChart");
    nameForReader(chartView, tr("Chart of matches per draw"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(160);

    verdictLabel = addTextLabel(this, "verdictLabel", true);
    // The verdict is the point of the window: the chart gives way to it.
    verdictLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);

    closeButton = addCloseButton(this);
    closeButton->setObjectName("closeButton");

    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(drawsLabel);
    seedRow->addWidget(drawsChoice);
    seedRow->addSpacing(12);
    seedRow->addWidget(seedLabel);
    seedRow->addWidget(seedBox);
    seedRow->addWidget(recalculateButton);
    seedRow->addStretch(1);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addStretch(1);
    bottomRow->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel);
    layout->addLayout(seedRow);
    layout->addWidget(table);
    layout->addWidget(moneyLabel);
    layout->addWidget(chartView, 1);
    layout->addWidget(verdictLabel);
    layout->addLayout(bottomRow);

    Help::bindF1(this, "backtest");
    centreOnScreen(this);
    runGuarded(this, [this] { recalculate(); });
}

void BacktestWindow::recalculate()
{
    const Session& session = Session::instance();
    std::vector<quor3::DrawRecord> draws;
    {
        BusyCursor busy;
        drawsChoice->refresh();
        draws = drawsChoice->readDraws();
    }
    databaseText_ = session.databaseExists() ? drawsChoice->chosenName() : QString();
    const auto seed = static_cast<std::uint32_t>(seedBox->value());
    current_ = nullptr;
    if (stopRunning_)
        stopRunning_->store(true);
    stopRunning_.reset();
    if (draws.size() <= BackgroundFrom) {
        BusyCursor busy;
        result_ = quor3::backtest(draws, 1, seed);
        showResult();
        return;
    }

    summaryLabel->setText(tr("%1: testing %2 draws against the choices made the day before each...")
                              .arg(databaseText_)
                              .arg(draws.size()));
    result_ = quor3::BacktestResult{};
    table->clearContents();
    chartView->chart()->removeAllSeries();
    verdictLabel->clear();
    stopRunning_ = std::make_shared<std::atomic<bool>>(false);
    // The backtest is pure: it runs on Qt's pool on its own copy of the draws.
    // A run that a later one replaced finishes quickly (it is told to stop) and
    // its result is dropped.
    auto* watcher = new QFutureWatcher<std::optional<quor3::BacktestResult>>(this);
    current_ = watcher;
    ++running_;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        --running_;
        watcher->deleteLater();
        if (watcher != current_)
            return;
        current_ = nullptr;
        std::optional<quor3::BacktestResult> result = watcher->result();
        if (!result) {
            summaryLabel->setText(tr("The backtest could not be finished: not enough memory."));
            return;
        }
        result_ = std::move(*result);
        showResult();
    });
    watcher->setFuture(QtConcurrent::run(
        [seed, stop = stopRunning_, draws = std::move(draws)]() -> std::optional<quor3::BacktestResult> {
            try {
                return quor3::backtest(draws, 1, seed, {}, stop.get());
            } catch (const std::exception&) {
                return std::nullopt; // out of memory: nothing else can fail in there
            }
        }));
}

BacktestWindow::~BacktestWindow()
{
    if (stopRunning_)
        stopRunning_->store(true);
}

void BacktestWindow::showResult()
{
    QString summary;
    if (databaseText_.isEmpty())
        summary = tr("No database is open.");
    else
        summary = QString(tr("%1: each draw from the second on is compared with the 33 Computer Choices made the day "
                             "before it, and with as many plays picked at random. %2 draws tested."))
                      .arg(databaseText_)
                      .arg(result_.tested);
    summaryLabel->setText(summary);
    showTable();
    showChart();
    verdictLabel->setText(QString::fromStdString(quor3::backtestVerdict(result_)));
    moneyLabel->clear();
    if (result_.total.plays > 0) {
        const Session& session = Session::instance();
        const auto tables = session.databaseExists() ? quor3::readPrizeTables(session.databasePath())
                                                     : std::vector<quor3::PrizeTable>{quor3::defaultPrizeTable()};
        const QDate today = QDate::currentDate();
        const quor3::PrizeTable& table =
            quor3::prizeTableOn(tables, quor3::encodeDate(today.year(), today.month(), today.day()));
        moneyLabel->setText(QString::fromStdString(
            quor3::backtestMoneySentence(result_.total.plays, result_.total.straightHits, table)));
    }
}

void BacktestWindow::showTable()
{
    auto fill = [this](int row, const QString& name, const quor3::PlayScore& s) {
        table->setItem(row, 0, cellItem(name, false));
        table->setItem(row, 1, cellItem(QString::number(s.plays)));
        table->setItem(row, 2, cellItem(QString::number(s.boxHits)));
        table->setItem(row, 3, cellItem(number(s.expectedBox, 1)));
        table->setItem(row, 4, cellItem(QString("%1-%2").arg(s.lowBox).arg(s.highBox)));
        table->setItem(row, 5, cellItem(QString::fromStdString(quor3::pValueText(s.pBox))));
        table->setItem(row, 6, cellItem(QString("%1 (%2)").arg(s.straightHits).arg(number(s.expectedStraight, 1))));
    };
    for (int l = 0; l < quor3::ChoiceLists; ++l)
        fill(l, printoutHeadings()[static_cast<std::size_t>(l)], result_.lists[static_cast<std::size_t>(l)]);
    fill(quor3::ChoiceLists, tr("All lists"), result_.total);
    QFont bold = table->font();
    bold.setBold(true);
    for (int c = 0; c < table->columnCount(); ++c)
        table->item(quor3::ChoiceLists, c)->setFont(bold);
    // Every column as wide as its widest text, measured once here rather than
    // by the view cell by cell at each layout.
    const QFontMetrics plainMetrics(table->font()), boldMetrics(bold);
    const QFontMetrics headerMetrics(table->horizontalHeader()->font());
    const int cellMargin = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    for (int c = 0; c < table->columnCount(); ++c) {
        int width = headerMetrics.horizontalAdvance(table->horizontalHeaderItem(c)->text()) + 16;
        for (int r = 0; r < table->rowCount(); ++r) {
            const QFontMetrics& metrics = r == quor3::ChoiceLists ? boldMetrics : plainMetrics;
            width = std::max(width, metrics.horizontalAdvance(table->item(r, c)->text()) + cellMargin);
        }
        table->horizontalHeader()->resizeSection(c, width);
    }
    // Every row holds one line of the table's font: measured once, not per cell.
    const int rowHeight =
        QFontMetrics(bold).height() + 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameVMargin) + 4;
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + table->rowCount() * rowHeight +
                          2 * table->frameWidth());
}

void BacktestWindow::showChart()
{
    QChart* chart = chartView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);

    auto* matched = new QLineSeries;
    matched->setName(tr("Matches of the choices"));
    auto* expected = new QLineSeries;
    expected->setName(tr("Plays picked at random, on average"));
    auto* low = new QLineSeries;
    auto* high = new QLineSeries;
    double top = 1.0;
    long long tested = 0;
    for (const auto& step : result_.steps) {
        tested = step.tested;
        const double x = static_cast<double>(tested);
        matched->append(x, static_cast<double>(step.boxHits));
        expected->append(x, step.expectedBox);
        low->append(x, static_cast<double>(step.lowBox));
        high->append(x, static_cast<double>(step.highBox));
        top = std::max({top, static_cast<double>(step.highBox), static_cast<double>(step.boxHits)});
    }
    auto* band = new QAreaSeries(high, low);
    // The band does not own its edges by itself.
    high->setParent(band);
    low->setParent(band);
    band->setName(tr("95% range of random plays"));
    band->setColor(QColor(0xb8, 0xd4, 0xf0));
    band->setBorderColor(QColor(0xb8, 0xd4, 0xf0));
    QPen expectedPen(seriesColour(QColor(0x2f, 0x6f, 0xc8), palette()));
    expectedPen.setStyle(Qt::DashLine);
    expectedPen.setWidth(2);
    expected->setPen(expectedPen);
    QPen matchedPen(seriesColour(QColor(0xc0, 0x30, 0x20), palette()));
    matchedPen.setWidth(2);
    matched->setPen(matchedPen);
    chart->addSeries(band);
    chart->addSeries(expected);
    chart->addSeries(matched);

    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(tr("Draws tested"));
    xAxis->setLabelFormat("%.0f");
    // Round steps, but the axis ends at the last draw tested.
    const double last = std::max<double>(1.0, static_cast<double>(tested));
    double step = 1.0; // 1, 2, 5, 10, 20, 50...
    const double factors[] = {2.0, 2.5, 2.0};
    for (int k = 0; last / step > 6.0; ++k)
        step *= factors[k % 3];
    xAxis->setRange(0, last);
    xAxis->setTickType(QValueAxis::TicksDynamic);
    xAxis->setTickAnchor(0);
    xAxis->setTickInterval(step);
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(tr("Matches")); // short enough to stand whole beside a low chart
    yAxis->setLabelFormat("%.0f");
    yAxis->setRange(0, top * 1.05);
    yAxis->applyNiceNumbers();
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    followPalette(chart, palette());
}
