#pragma once

#include "engine/Chance.h"

#include <QString>

#include <string>
#include <vector>

class QTableWidgetItem;
class QWidget;

// What chance gives beside a statistics window's figures: a tooltip and the
// accessible description saying it (from engine/Chance), so that a screen
// reader reads it with the figure.

// The rows over the open database's draws (without the suggested lists'
// hits); none when no database is open.
quor3::ChanceReport openDatabaseChance();
// The notes of the rows of those ids, one line each.
QString chanceTipText(const quor3::ChanceReport& report, const std::vector<std::string>& ids);
void setChanceTip(QWidget* widget, const quor3::ChanceReport& report, const std::vector<std::string>& ids);
void setChanceTip(QTableWidgetItem* item, const quor3::ChanceReport& report, const std::string& id);
