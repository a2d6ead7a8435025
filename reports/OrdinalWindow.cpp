#include "reports/OrdinalWindow.h"
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

OrdinalWindow::OrdinalWindow(QWidget* owner) : QDialog(owner)
{
    reports::setUpFixedDialog(this, "TForm10", tr("Ordinal Report"), 320, 309);

    headingLabel = new QLabel(tr("Number has been drawn 1st, 2nd, 3rd."), this);
    headingLabel->setObjectName("Label1");
    headingLabel->setGeometry(8, 8, 300, 18);

    ordinalGrid = reports::addStringGrid(this, "StringGrid1", 4, 11, 1, 1, QRect(8, 32, 185, 257));
    closeButton = addCloseButton(this, QRect(218, 260, 89, 29));

    Help::bindF1(this, "ord");
    sizeGrid();
}

void OrdinalWindow::sizeGrid()
{
    reports::fitGridCells(ordinalGrid);
}

bool OrdinalWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { refresh(); });
    return QDialog::event(e);
}

void OrdinalWindow::refresh()
{
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        const auto orderFile = session.fileInFolder(quor3::files::Order);
        if (!session.databaseExists() || !quor3::fileExists(orderFile))
            return;
        const auto order = quor3::readCountsExactly(orderFile, 3);
        quor3::TextGrid texts = reports::gridTexts(ordinalGrid);
        quor3::fillOrdinalGrid(texts, order);
        reports::showGridTexts(ordinalGrid, texts);
        const quor3::ChanceReport chance = openDatabaseChance();
        for (int p = 0; p < 3; ++p)
            for (int d = 0; d < 10; ++d)
                setChanceTip(ordinalGrid->item(d + 1, p + 1), chance,
                             "position-" + std::to_string(p + 1) + "-digit-" + std::to_string(d));
    });
}
