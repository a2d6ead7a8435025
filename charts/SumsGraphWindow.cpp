#include "charts/SumsGraphWindow.h"
#include "platform/ChanceTips.h"
#include "platform/WindowKit.h"

#include "charts/BarChartWidget.h"
#include "charts/SumsGraphSettingsDialog.h"
#include "charts/TrackDraws.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QPushButton>

SumsGraphWindow::SumsGraphWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm4");
    setWindowTitle(tr("Sums Graph"));
    setFixedSize(790, 386);
    setFont(arialFont(13));

    chart = new BarChartWidget(this);
    chart->setObjectName("Chartfx1");
    chart->setFocusPolicy(Qt::NoFocus);
    chart->setGeometry(10, 12, 769, 313);

    customizeButton = new QPushButton(tr("C&ustomize"), this);
    customizeButton->setObjectName("Button1");
    customizeButton->setGeometry(16, 342, 100, 30);
    connect(customizeButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { customize(); }); });

    closeButton = addCloseButton(this);
    closeButton->setGeometry(790 - 16 - 100, 342, 100, 30);

    Help::bindF1(this, "sums");
    centreOnScreen(this);
}

bool SumsGraphWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

void SumsGraphWindow::refresh()
{
    countSums();
    draw();
    setChanceTip(chart, openDatabaseChance(), {"sum-0-9", "sum-10-17", "sum-18-27"});
}

void SumsGraphWindow::customize()
{
    {
        SumsGraphSettingsDialog dialog(tracked, this);
        dialog.exec();
    }
    // The span is written whether or not the dialog was saved, then read back.
    writeTrackedSpan(SettingsKey, tracked.span);
    countSums();
    draw();
}

void SumsGraphWindow::countSums()
{
    sums_ = {};
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    const auto draws = quor3::readDraws(session.databasePath());
    tracked.draws = static_cast<int>(draws.size());
    tracked.span = quor3::limitToDraws(readTrackedSpan(SettingsKey, tracked.draws), tracked.draws);
    sums_ = quor3::digitSumsOverLast(draws, tracked.span);
}

void SumsGraphWindow::draw()
{
    chart->setAxisMax(1, quor3::axisMaxFor(sums_));
    chart->beginValues(1, 1, quor3::DigitSums);
    // Without draws (no database, or an empty one) the graph says so, not "Past 0 Draws".
    chart->setChartTitle(2, tracked.span > 0 ? tr("Sums Analysis for Past %1 Draws").arg(tracked.span)
                                             : tr("Sums Analysis: no draws to show"));
    chart->setDecimals(0);
    chart->setThisSerie(0);
    for (int s = 0; s < quor3::DigitSums; ++s)
        chart->setPointValue(static_cast<short>(s), sums_[s]);
    chart->endValues();
    for (int s = 0; s < quor3::DigitSums; ++s)
        chart->setPointLabel(static_cast<short>(s), QString::number(s));
}
