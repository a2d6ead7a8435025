#pragma once

class QWidget;

// Add > Undo Last Entry: takes back the last draw entered in this run, after
// asking; rebuilds and refreshes the status bar.
void undoLastEntry(QWidget* parent);
