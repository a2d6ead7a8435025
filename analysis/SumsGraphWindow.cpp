#include "analysis/SumsGraphWindow.h"
#include "platform/WindowKit.h"

#include "analysis/BarChartWidget.h"
#include "analysis/SumsGraphSettingsDialog.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QEvent>
#include <QPushButton>

namespace SumsAnalysis
{
int S = 0;
int n = 0;
} // namespace SumsAnalysis

using namespace SumsAnalysis;

SumsGraphWindow::SumsGraphWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm4");
    setWindowTitle("Sums Graph");
    setFixedSize(790, 386);

    Chartfx1 = new BarChartWidget(this);
    Chartfx1->setObjectName("Chartfx1");
    Chartfx1->setFocusPolicy(Qt::NoFocus);
    Chartfx1->setGeometry(10, 12, 769, 313);

    Button1 = new QPushButton("C&ustomize", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(16, 342, 100, 30);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });

    BitBtn1 = addCloseButton(this);
    BitBtn1->setGeometry(790 - 16 - 100, 342, 100, 30);

    Help::bindF1(this, "sums");
    centreOnScreen(this);
}

bool SumsGraphWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { FormActivate(); }); });
    return QDialog::event(e);
}

void SumsGraphWindow::FormActivate()
{
    countSums();
    draw();
}

void SumsGraphWindow::Button1Click()
{
    {
        SumsGraphSettingsDialog dialog(this);
        dialog.exec();
    }
    // S is written whether or not the dialog was saved, then read back.
    Settings::writeInteger(SettingsKey, S);
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
    n = static_cast<int>(draws.size());
    S = quor3::limitToDraws(Settings::readInteger(SettingsKey, n), n);
    sums_ = quor3::digitSumsOverLast(draws, S);
}

void SumsGraphWindow::draw()
{
    Chartfx1->SetAxisMax(1, quor3::axisMaxFor(sums_));
    Chartfx1->BeginValues(1, 1, quor3::DigitSums);
    Chartfx1->SetChartTitle(2, QString("Sums Analysis for Past %1 Draws").arg(S));
    Chartfx1->SetDecimals(0);
    Chartfx1->SetThisSerie(0);
    for (int s = 0; s < quor3::DigitSums; ++s)
        Chartfx1->SetPointValue(static_cast<short>(s), sums_[s]);
    Chartfx1->EndValues();
    for (int s = 0; s < quor3::DigitSums; ++s)
        Chartfx1->SetPointLabel(static_cast<short>(s), QString::number(s));
}
