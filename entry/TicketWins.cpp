#include "entry/TicketWins.h"

#include "engine/Tickets.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QStringList>

void announceTicketWins(QWidget* parent, const quor3::fs::path& database, const std::vector<quor3::DrawRecord>& draws)
{
    QStringList lines;
    for (const quor3::DrawRecord& draw : draws)
        for (const std::string& line : quor3::ticketAnnouncements(database, draw))
            lines << QString::fromStdString(line);
    if (!lines.isEmpty())
        Dialogs::inform(parent, QApplication::applicationName(), lines.join('\n'));
}
