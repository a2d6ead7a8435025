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
    ListBox1 = reports::addEntryList(this, QRect(8, 11, 241, 15 * reports::entryLineHeight + 4));
    BitBtn1 = addCloseButton(this, QRect(258, 226, 89, 29));
    Help::bindF1(this, "dis");
}

bool DrawListWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { FormActivate(); });
    return QDialog::event(e);
}

void DrawListWindow::FormActivate()
{
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        ListBox1->clear();
        reports::showEntryLines(ListBox1, quor3::displayLines(quor3::readDraws(session.databasePath())));
    });
}
