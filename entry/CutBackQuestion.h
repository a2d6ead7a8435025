#pragma once

#include <QString>

#include <filesystem>

class QWidget;

// The question before a store cuts a full database back to its newest draws,
// which the add window and File > Get New Results ask alike, with one
// remembered answer per database ("Don't ask again for this database"):
// quor3.ini's section "No Cut-Back Question", a key per database.

// A database's key in a section of quor3.ini that holds one per database: its
// full path, with "%XX" for what a key cannot hold and for capitals.
QString databaseSettingsKey(const std::filesystem::path& database);

// True when the user agreed for good for this database.
bool cutBackAnswerRemembered(const std::filesystem::path& database);
// Forgets it (the database was deleted): a new database of its name is asked again.
void forgetCutBackAnswer(const std::filesystem::path& database);
// Asks `text` with Yes and `refuse` (No or Cancel) and the check box; a Yes
// with the box ticked is remembered. True when the store may go on.
bool askCutBack(QWidget* parent, const QString& text, const std::filesystem::path& database, bool cancelNotNo = false);
