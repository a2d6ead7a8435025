#include "reports/TotalsWindow.h"
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
    reports::setUpFixedDialog(this, "TForm6", "Totals Report", 607, 139);

    Label1 = new QLabel("Lottery Numbers: ", this);
    Label1->setObjectName("Label1");
    Label1->setFont(arialFont(16, true));
    Label1->setGeometry(112, 8, 300, 20);

    Label2 = new QLabel(" #Times Picked: ", this);
    Label2->setObjectName("Label2");
    Label2->setFont(arialFont(11, true));
    Label2->setWordWrap(true);
    Label2->setGeometry(16, 58, 90, 26);

    StringGrid1 = reports::addStringGrid(this, "StringGrid1", 10, 2, 0, 1, QRect(112, 32, 473, 53));
    BitBtn1 = addCloseButton(this, QRect(259, 100, 89, 29));
    disconnect(BitBtn1, nullptr, this, nullptr);
    connect(BitBtn1, &QPushButton::clicked, this, &TotalsWindow::BitBtn1Click);

    Help::bindF1(this, "tot");
}

bool TotalsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { FormActivate(); });
    return QDialog::event(e);
}

void TotalsWindow::FormActivate()
{
    runGuarded(this, [this] {
        reports::fitGridCells(StringGrid1);
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        const auto counts = quor3::totalDigitCounts(quor3::readDraws(session.databasePath()));
        quor3::TextGrid texts = reports::gridTexts(StringGrid1);
        quor3::fillTotalsGrid(texts, counts);
        reports::showGridTexts(StringGrid1, texts);
    });
}

void TotalsWindow::BitBtn1Click()
{
    close();
}
