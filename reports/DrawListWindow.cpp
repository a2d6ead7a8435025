#include "reports/DrawListWindow.h"
#include "platform/Accessibility.h"
#include "platform/WindowKit.h"

#include "engine/DrawRecord.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "engine/Reports.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

DrawListWindow::DrawListWindow(QWidget* owner) : QDialog(owner)
{
    reports::setUpFixedDialog(this, "TForm7", tr("Winning Lotto Entries"), 353, 266);
    // 15 whole lines of 16 pixels inside the frame.
    entryList = reports::addEntryList(this, QRect(8, 11, 241, 15 * reports::entryLineHeight + 4));
    nameForReader(entryList, tr("Winning entries"), tr("The newest first"));
    closeButton = addCloseButton(this, QRect(258, 226, 89, 29));
    Help::bindF1(this, "dis");
}

namespace
{

// The list shows the working database; the title says when the full history
// holds more. A history that cannot be read leaves the plain title: its error
// comes with the next change of the database.
QString titleFor(long long shown, const std::filesystem::path& database)
{
    const QString title = DrawListWindow::tr("Winning Lotto Entries");
    try {
        const long long all = quor3::summarizeHistory(database).draws;
        if (all > shown) {
            const QLocale english(QLocale::English, QLocale::UnitedStates);
            return title + DrawListWindow::tr(": %1 of %2 draws; the rest are in the full history")
                               .arg(english.toString(shown), english.toString(all));
        }
    } catch (const quor3::Error&) {
    }
    return title;
}

} // namespace

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
        const std::vector<quor3::DrawRecord> draws = quor3::readDraws(session.databasePath());
        reports::showEntryLines(entryList, quor3::displayLines(draws));
        setWindowTitle(titleFor(static_cast<long long>(draws.size()), session.databasePath()));
    });
}
