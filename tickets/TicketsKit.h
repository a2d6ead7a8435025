#pragma once

#include "engine/Tickets.h"

#include <QSize>
#include <QString>

class QWidget;

// What the ticket windows share: money and numbers as shown and as read
// aloud.

// "$1,234.50".
QString moneyString(quor3::Cents cents);
// "loss $185.00", "gain $40.00", "even": a balance never shows a bare minus sign.
QString balanceString(quor3::Cents balance);
// The database's tickets live beside it; empty without an open database.
quor3::fs::path ticketDatabase();
