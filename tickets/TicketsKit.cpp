#include "tickets/TicketsKit.h"

#include "platform/Session.h"

#include <QCoreApplication>

QString moneyString(quor3::Cents cents)
{
    return QString::fromStdString(quor3::moneyText(cents));
}

QString balanceString(quor3::Cents balance)
{
    return QString::fromStdString(quor3::balanceWords(balance));
}

quor3::fs::path ticketDatabase()
{
    const Session& session = Session::instance();
    return session.databaseName.empty() ? quor3::fs::path() : session.databasePath();
}
