#include "reports/PairsWindow.h"
#include "platform/WindowKit.h"

#include "engine/DataFiles.h"
#include "engine/Reports.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

PairsWindow::PairsWindow(QWidget* owner) : QDialog(owner)
{
    reports::setUpFixedDialog(this, "TForm9", "Pairs Report", 620, 340);

    Label1 = new QLabel("First, find a number across the top: ", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 8, 400, 18);

    StringGrid1 = reports::addStringGrid(this, "StringGrid1", 11, 11, 1, 1, QRect(8, 32, 460, 290));

    Label2 =
        new QLabel("Then, look down the column at the number of times it has been paired with other numbers.", this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(480, 40, 130, 80);

    BitBtn1 = addCloseButton(this, QRect(500, 293, 89, 29));

    Help::bindF1(this, "pair");
    FormCreate();
}

void PairsWindow::FormCreate()
{
    reports::fitGridCells(StringGrid1);
}

bool PairsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { FormActivate(); });
    return QDialog::event(e);
}

void PairsWindow::FormActivate()
{
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        const auto table = quor3::readCountsExactly(session.fileInFolder(quor3::files::Pair), 10);
        quor3::TextGrid texts = reports::gridTexts(StringGrid1);
        quor3::fillPairsGrid(texts, table);
        reports::showGridTexts(StringGrid1, texts);
    });
}
