#pragma once

#include "engine/Backups.h"

#include <string>
#include <vector>

class QWidget;

// Keeps the entry just stored for Add > Undo Last Entry, with the winners log
// lines it wrote (the log's first line too, when the entry began the log).
void recordEntryForUndo(const quor3::StoredEntry& entry, std::vector<std::string> winnerLines);

// Add > Undo Last Entry: takes back the last draw entered in this run, after
// asking, with its winners log lines; rebuilds and refreshes the status bar.
void undoLastEntry(QWidget* parent);
