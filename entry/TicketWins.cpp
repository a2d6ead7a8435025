#include "entry/TicketWins.h"

#include "engine/Tickets.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QStringList>

void announceTicketWins(QWidget* parent, const quor3::fs::path& database, const std::vector<quor3::DrawRecord>& draws)
{
    std::vector<std::string> lines;
    for (const quor3::DrawRecord& draw : draws)
        for (const std::string& line : quor3::ticketAnnouncements(database, draw))
            lines.push_back(line);
    announceTicketWins(parent, lines);
}

void announceTicketWins(QWidget* parent, const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    if (!text.isEmpty())
        Dialogs::inform(parent, QApplication::applicationName(), text.join('\n'));
}
