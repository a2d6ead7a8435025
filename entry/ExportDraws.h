#pragma once

class QWidget;

// File > Export Draws...: the open database's draws as a CSV file the user
// names in a save dialog.
void exportOpenDatabase(QWidget* parent);
