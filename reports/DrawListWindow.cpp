#include "reports/DrawListWindow.h"
#include "platform/WindowKit.h"

#include "engine/DrawRecord.h"
#include "engine/Reports.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>

DrawListWindow::DrawListWindow(QWidget* owner) : QDialog(owner)
{
    reports::setUpFixedDialog(this, "TForm7", "Winning Lotto Entries", 353, 266);
    // 15 whole lines of 16 pixels inside the frame.
    entryList = reports::addEntryList(this, QRect(8, 11, 241, 15 * reports::entryLineHeight + 4));
    closeButton = addCloseButton(this, QRect(258, 226, 89, 29));
    Help::bindF1(this, "dis");
}

bool DrawListWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { refresh(); });
    return QDialog::event(e);
}

void DrawListWindow::refresh()
{
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        entryList->clear();
        reports::showEntryLines(entryList, quor3::displayLines(quor3::readDraws(session.databasePath())));
    });
}
