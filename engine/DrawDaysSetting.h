#pragma once

#include "engine/Calendar.h"
#include "engine/FileIo.h"

#include <optional>
#include <string>
#include <vector>

namespace quor3
{

// The draw days the player chose for a database: "DrawDays" in the database's
// section of the settings file ("[Results NAME.c3d]", beside its results
// source), as drawDaysText writes them. None when not chosen (or unreadable):
// the days are then learned from the draws.
std::optional<DrawDays> chosenDrawDays(const fs::path& settingsFile, const std::string& databaseName);
// Stores the choice; none goes back to the learned days.
void chooseDrawDays(const fs::path& settingsFile, const std::string& databaseName, const std::optional<DrawDays>& days);
// The draw days of a database: the chosen ones, else those its draws show
// (learnDrawDays; the working database's newest draws cover the last year of
// any draw held twice a week or more, as its full history does).
DrawDays drawDaysOf(const fs::path& settingsFile, const std::string& databaseName,
                    const std::vector<double>& drawDates);

} // namespace quor3
