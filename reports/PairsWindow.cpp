#include "reports/PairsWindow.h"
#include "platform/ChanceTips.h"
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
    reports::setUpFixedDialog(this, "TForm9", tr("Pairs Report"), 620, 340);

    findAcrossLabel = new QLabel(tr("First, find a number across the top: "), this);
    findAcrossLabel->setObjectName("Label1");
    findAcrossLabel->setGeometry(8, 8, 400, 18);

    pairsGrid = reports::addStringGrid(this, "StringGrid1", 11, 11, 1, 1, QRect(8, 32, 460, 290));

    lookDownLabel = new QLabel(
        tr("Then, look down the column at the number of times it has been paired with other numbers."), this);
    lookDownLabel->setObjectName("Label2");
    lookDownLabel->setWordWrap(true);
    lookDownLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lookDownLabel->setGeometry(480, 40, 130, 80);

    closeButton = addCloseButton(this, QRect(500, 293, 89, 29));

    Help::bindF1(this, "pair");
    sizeGrid();
}

void PairsWindow::sizeGrid()
{
    reports::fitGridCells(pairsGrid);
}

bool PairsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { refresh(); });
    return QDialog::event(e);
}

void PairsWindow::refresh()
{
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        const auto table = quor3::readCountsExactly(session.fileInFolder(quor3::files::Pair), 10);
        quor3::TextGrid texts = reports::gridTexts(pairsGrid);
        quor3::fillPairsGrid(texts, table);
        reports::showGridTexts(pairsGrid, texts);
        const quor3::ChanceReport chance = openDatabaseChance();
        for (int r = 0; r < 10; ++r)
            for (int k = 0; k < 10; ++k)
                setChanceTip(pairsGrid->item(r + 1, k + 1), chance,
                             "pair-" + std::to_string(std::min(r, k)) + "-" + std::to_string(std::max(r, k)));
    });
}
