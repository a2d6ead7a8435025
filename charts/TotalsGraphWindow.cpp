#include "charts/TotalsGraphWindow.h"
#include "platform/ChanceTips.h"
#include "platform/WindowKit.h"

#include "charts/BarChartWidget.h"
#include "charts/TotalsGraphSettingsDialog.h"
#include "charts/TrackDraws.h"
#include "engine/Analysis.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QPushButton>

TotalsGraphWindow::TotalsGraphWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm17");
    setWindowTitle(tr("Totals Bar Graph"));
    setFixedSize(714, 428);
    setFont(arialFont(13));

    chart = new BarChartWidget(this);
    chart->setObjectName("Chartfx1");
    chart->setGeometry(56, 14, 601, 337);

    customizeButton = new QPushButton(tr("C&ustomize"), this);
    customizeButton->setObjectName("Button1");
    customizeButton->setFocusPolicy(Qt::NoFocus);
    customizeButton->setGeometry(16, 380, 100, 30);
    connect(customizeButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { customize(); }); });

    closeButton = addCloseButton(this);
    closeButton->setGeometry(714 - 16 - 100, 380, 100, 30);

    Help::bindF1(this, "graph");
    centreOnScreen(this);
}

bool TotalsGraphWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

void TotalsGraphWindow::done(int result)
{
    runGuarded(this, [this] { saveSpan(); });
    QDialog::done(result);
}

void TotalsGraphWindow::refresh()
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        customizeButton->setEnabled(false);
    totals_ = {};
    if (session.databaseExists()) {
        const auto draws = quor3::readDraws(session.databasePath());
        tracked.draws = static_cast<int>(draws.size());
        tracked.span = quor3::limitToDraws(readTrackedSpan(SettingsKey, tracked.draws), tracked.draws);
        totals_ = quor3::digitTotalsOverLast(draws, tracked.span);
    }
    draw();
    setChanceTip(
        chart, openDatabaseChance(),
        {"digit-0", "digit-1", "digit-2", "digit-3", "digit-4", "digit-5", "digit-6", "digit-7", "digit-8", "digit-9"});
}

void TotalsGraphWindow::customize()
{
    {
        TotalsGraphSettingsDialog dialog(tracked, this);
        dialog.exec();
    }
    // The span is written whether or not the dialog was saved.
    writeTrackedSpan(SettingsKey, tracked.span);
    countLastDraws();
    draw();
}

void TotalsGraphWindow::saveSpan()
{
    writeTrackedSpan(SettingsKey, tracked.span);
}

void TotalsGraphWindow::countLastDraws()
{
    totals_ = {};
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    const auto draws = quor3::readDraws(session.databasePath());
    tracked.draws = static_cast<int>(draws.size());
    totals_ = quor3::digitTotalsOverLast(draws, tracked.span);
}

void TotalsGraphWindow::draw()
{
    chart->setAxisMax(1, quor3::axisMaxFor(totals_));
    chart->beginValues(1, 1, 10);
    // Without draws (no database, or an empty one) the graph says so, not "Past 0 Draws".
    chart->setChartTitle(2, tracked.span > 0 ? tr("Cumulative Totals for Past %1 Draws").arg(tracked.span)
                                             : tr("Cumulative Totals: no draws to show"));
    chart->setDecimals(0);
    chart->setThisSerie(0);
    for (int d = 0; d < 10; ++d)
        chart->setPointValue(static_cast<short>(d), totals_[d]);
    chart->endValues();
    for (int d = 0; d < 10; ++d)
        chart->setPointLabel(static_cast<short>(d), QString::number(d));
}
