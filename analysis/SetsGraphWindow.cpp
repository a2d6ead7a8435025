#include "analysis/SetsGraphWindow.h"
#include "platform/WindowKit.h"

#include "analysis/BarChartWidget.h"
#include "analysis/SetsConfigDialog.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QPushButton>

namespace SetsGraph
{
int n = 0;
SetsGraphWindow* graph = nullptr;
} // namespace SetsGraph

using namespace SetsGraph;

namespace
{

const std::array<const char*, quor3::SetCount> NoCaptions = {"", "", "", "", ""};

// "Set 2: 0, 3, 7" from the caption "037" (or "0-1" of the default sets).
QString setDescription(int set, const QString& caption)
{
    QStringList digits;
    for (const QChar c : caption)
        if (c.isDigit())
            digits << QString(c);
    return SetsGraphWindow::tr("Set %1: %2")
        .arg(set + 1)
        .arg(digits.isEmpty() ? SetsGraphWindow::tr("no digits") : digits.join(", "));
}

} // namespace

SetsGraphWindow::SetsGraphWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm19");
    setWindowTitle(tr("Graph Sets"));
    setFixedSize(643, 411);
    setFont(arialFont(13));

    chart = new BarChartWidget(this);
    chart->setObjectName("Chartfx1");
    chart->setGeometry(105, 20, 433, 297);
    // Pointing at a bar names its set in full; elsewhere on the chart, all five.
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(chart->view()->chart()->series().value(0)))
        connect(bars, &QAbstractBarSeries::hovered, this,
                [this](bool entered, int index) { showSetsTip(entered ? index : -1); });

    customizeButton = new QPushButton(tr("C&ustomize"), this);
    customizeButton->setObjectName("Button1");
    customizeButton->setFocusPolicy(Qt::NoFocus);
    customizeButton->setGeometry(16, 365, 100, 30);
    connect(customizeButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { customize(); }); });

    closeButton = addCloseButton(this);
    closeButton->setGeometry(643 - 16 - 100, 365, 100, 30);

    Help::bindF1(this, "Sets");
    centreOnScreen(this);
    graph = this;
}

SetsGraphWindow::~SetsGraphWindow()
{
    if (graph == this)
        graph = nullptr;
}

bool SetsGraphWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

void SetsGraphWindow::refresh()
{
    const Session& session = Session::instance();
    if (!session.databaseExists()) {
        customizeButton->setEnabled(false);
        draw({}, 0);
        setCaptions(quor3::PairedCaptions);
        showSetsTip(-1);
        return;
    }
    const auto draws = quor3::readDraws(session.databasePath());
    n = static_cast<int>(draws.size());
    const auto setsFile = SetsConfigDialog::configFile();
    if (quor3::fileExists(setsFile)) {
        const quor3::SetsConfig config = quor3::readSetsFile(setsFile);
        const int span = config.span > n ? n : config.span;
        // Captions are built by appending digits: start them afresh, or
        // every activation would repeat the digits.
        setCaptions(NoCaptions);
        draw(buildSets(config, quor3::digitTotalsOverLast(draws, span)), span);
    } else {
        const int span = quor3::defaultSetsSpan(n);
        draw(quor3::pairedTotals(quor3::digitTotalsOverLast(draws, span)), span);
        setCaptions(quor3::PairedCaptions);
    }
    showSetsTip(-1);
}

void SetsGraphWindow::customize()
{
    {
        SetsConfigDialog dialog(this);
        dialog.exec();
    }
    if (redrawRequest == 0)
        return;
    redrawRequest = 0;
    setCaptions(NoCaptions);
    std::array<std::int32_t, quor3::SetCount> totals{};
    int span = 0;
    const Session& session = Session::instance();
    if (session.databaseExists()) {
        const auto draws = quor3::readDraws(session.databasePath());
        n = static_cast<int>(draws.size());
        const auto setsFile = SetsConfigDialog::configFile();
        if (quor3::fileExists(setsFile)) {
            // Not limited here: a span beyond the draws counts them all and
            // the title shows the span as saved.
            const quor3::SetsConfig config = quor3::readSetsFile(setsFile);
            span = config.span;
            totals = buildSets(config, quor3::digitTotalsOverLast(draws, span));
        } else {
            span = quor3::defaultSetsSpan(n);
        }
    }
    draw(totals, span);
    showSetsTip(-1);
}

std::array<std::int32_t, quor3::SetCount> SetsGraphWindow::buildSets(const quor3::SetsConfig& config,
                                                                     const quor3::DigitValues& counts)
{
    for (int s = 0; s < quor3::SetCount; ++s)
        for (int d = 0; d < 10; ++d)
            if (config.member[s][d]) {
                const auto point = static_cast<short>(s);
                chart->setPointLabel(point, chart->pointLabel(point) + QString::number(d));
            }
    return quor3::setTotals(config, counts).totals;
}

void SetsGraphWindow::draw(const std::array<std::int32_t, quor3::SetCount>& values, int span)
{
    chart->setAxisMax(1, quor3::axisMaxFor(values));
    chart->beginValues(1, 1, quor3::SetCount);
    chart->setChartTitle(2, tr("Set Totals for Past %1 Draws").arg(span));
    chart->setChartTitle(3, tr("Sets"));
    chart->setDecimals(0);
    chart->setThisSerie(0);
    for (int s = 0; s < quor3::SetCount; ++s)
        chart->setPointValue(static_cast<short>(s), values[s]);
    chart->endValues();
}

void SetsGraphWindow::showSetsTip(int pointedSet)
{
    QStringList lines;
    for (int s = 0; s < quor3::SetCount; ++s)
        if (pointedSet < 0 || s == pointedSet)
            lines << setDescription(s, chart->pointLabel(static_cast<short>(s)));
    chart->view()->chart()->setToolTip(lines.join('\n'));
}

void SetsGraphWindow::setCaptions(const std::array<const char*, quor3::SetCount>& captions)
{
    for (int s = 0; s < quor3::SetCount; ++s)
        chart->setPointLabel(static_cast<short>(s), QString::fromLatin1(captions[s]));
}
