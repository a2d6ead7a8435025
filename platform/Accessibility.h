#pragma once

#include <QString>

class QListWidget;
class QWidget;

// What a screen reader says for the program's controls and results.

// Names a control: `name` says what it is ("First digit"), `description`
// what its caption leaves out.
void nameForReader(QWidget* control, const QString& name, const QString& description = QString());

// A draw as a reader should speak it, digit by digit: "056" and "0  5  6"
// become "0 5 6" (read whole, "056" is "fifty-six").
QString spokenDigits(const QString& digits);

// A line that shows a draw after its date ("12/31/2003 :        0   5   6",
// "12/31/2003  056") as "12/31/2003: 0 5 6"; any other line as it is.
QString spokenEntryLine(const QString& line);

// Gives each line of `list` its spoken form (the item's accessible text), so
// that a reader speaks the draws of a list digit by digit. Call it after
// filling the list.
void speakListAsDraws(QListWidget* list);

// Says `text` to the screen reader now, from `source`'s window: `source`
// (a label the user can also read it in) takes it as its accessible
// description and tells the reader it changed. Message boxes need no
// call: they are alerts a reader speaks when they appear.
void announce(QWidget* source, const QString& text);
