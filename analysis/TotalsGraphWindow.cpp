#include "analysis/TotalsGraphWindow.h"
#include "platform/WindowKit.h"

#include "analysis/BarChartWidget.h"
#include "analysis/TotalsGraphSettingsDialog.h"
#include "engine/Analysis.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QEvent>
#include <QPushButton>

namespace CumulativeTotals
{
int D = 0;
int n = 0;
} // namespace CumulativeTotals

using namespace CumulativeTotals;

TotalsGraphWindow::TotalsGraphWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm17");
    setWindowTitle("Totals Bar Graph");
    setFixedSize(714, 428);

    Chartfx1 = new BarChartWidget(this);
    Chartfx1->setObjectName("Chartfx1");
    Chartfx1->setGeometry(56, 14, 601, 337);

    Button1 = new QPushButton("C&ustomize", this);
    Button1->setObjectName("Button1");
    Button1->setFocusPolicy(Qt::NoFocus);
    Button1->setGeometry(16, 380, 100, 30);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });

    BitBtn1 = addCloseButton(this);
    BitBtn1->setGeometry(714 - 16 - 100, 380, 100, 30);

    Help::bindF1(this, "graph");
    centreOnScreen(this);
}

bool TotalsGraphWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { FormActivate(); }); });
    return QDialog::event(e);
}

void TotalsGraphWindow::done(int result)
{
    runGuarded(this, [this] { FormClose(); });
    QDialog::done(result);
}

void TotalsGraphWindow::FormActivate()
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        Button1->setEnabled(false);
    totals_ = {};
    if (session.databaseExists()) {
        const auto draws = quor3::readDraws(session.databasePath());
        n = static_cast<int>(draws.size());
        D = quor3::limitToDraws(Settings::readInteger(SettingsKey, n), n);
        totals_ = quor3::digitTotalsOverLast(draws, D);
    }
    draw();
}

void TotalsGraphWindow::Button1Click()
{
    {
        TotalsGraphSettingsDialog dialog(this);
        dialog.exec();
    }
    // D is written whether or not the dialog was saved.
    Settings::writeInteger(SettingsKey, D);
    countLastDraws();
    draw();
}

void TotalsGraphWindow::FormClose()
{
    Settings::writeInteger(SettingsKey, D);
}

void TotalsGraphWindow::countLastDraws()
{
    totals_ = {};
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    const auto draws = quor3::readDraws(session.databasePath());
    n = static_cast<int>(draws.size());
    totals_ = quor3::digitTotalsOverLast(draws, D);
}

void TotalsGraphWindow::draw()
{
    Chartfx1->SetAxisMax(1, quor3::axisMaxFor(totals_));
    Chartfx1->BeginValues(1, 1, 10);
    Chartfx1->SetChartTitle(2, QString("Cumulative Totals for Past %1 Draws").arg(D));
    Chartfx1->SetDecimals(0);
    Chartfx1->SetThisSerie(0);
    for (int d = 0; d < 10; ++d)
        Chartfx1->SetPointValue(static_cast<short>(d), totals_[d]);
    Chartfx1->EndValues();
    for (int d = 0; d < 10; ++d)
        Chartfx1->SetPointLabel(static_cast<short>(d), QString::number(d));
}
