#pragma once

#include "engine/DrawRecord.h"

#include <string>
#include <vector>

class QWidget;

// After draws are stored: one message naming each of the player's tickets
// they settled as a winner ("Your ticket 451 Box 6-way won $80.00"); nothing
// when none won.
void announceTicketWins(QWidget* parent, const quor3::fs::path& database, const std::vector<quor3::DrawRecord>& draws);
// The same for lines already gathered (announcementsSince).
void announceTicketWins(QWidget* parent, const std::vector<std::string>& lines);
