#include "reports/TotalsWindow.h"
#include "platform/ChanceTips.h"
#include "platform/WindowKit.h"

#include "engine/DrawRecord.h"
#include "engine/Reports.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

TotalsWindow::TotalsWindow(QWidget* owner) : QDialog(owner)
{
    reports::setUpFixedDialog(this, "TForm6", tr("Totals Report"), 607, 139);

    digitsLabel = new QLabel(tr("Lottery Numbers: "), this);
    digitsLabel->setObjectName("Label1");
    digitsLabel->setFont(arialFont(16, true));
    digitsLabel->setGeometry(112, 8, 300, 20);

    timesPickedLabel = new QLabel(tr(" #Times Picked: "), this);
    timesPickedLabel->setObjectName("Label2");
    timesPickedLabel->setFont(arialFont(11, true));
    timesPickedLabel->setWordWrap(true);
    timesPickedLabel->setGeometry(16, 58, 90, 26);

    totalsGrid = reports::addStringGrid(this, "StringGrid1", 10, 2, 0, 1, QRect(112, 32, 473, 53));
    closeButton = addCloseButton(this, QRect(259, 100, 89, 29));
    disconnect(closeButton, nullptr, this, nullptr);
    connect(closeButton, &QPushButton::clicked, this, &TotalsWindow::closeWindow);

    Help::bindF1(this, "tot");
}

bool TotalsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { refresh(); });
    return QDialog::event(e);
}

void TotalsWindow::refresh()
{
    runGuarded(this, [this] {
        reports::fitGridCells(totalsGrid);
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        const auto counts = quor3::totalDigitCounts(quor3::readDraws(session.databasePath()));
        quor3::TextGrid texts = reports::gridTexts(totalsGrid);
        quor3::fillTotalsGrid(texts, counts);
        reports::showGridTexts(totalsGrid, texts);
        const quor3::ChanceReport chance = openDatabaseChance();
        for (int d = 0; d < 10; ++d)
            setChanceTip(totalsGrid->item(1, d), chance, "digit-" + std::to_string(d));
    });
}

void TotalsWindow::closeWindow()
{
    close();
}
