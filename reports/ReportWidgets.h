#pragma once

#include "engine/Reports.h"
#include "platform/WindowKit.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

class QDialog;
class QEvent;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;

// The pieces every report window is made of.
namespace reports
{

// A fixed dialog border around a client area of width x height, Arial 13
// pixels for everything inside, centred on the screen.
void setUpFixedDialog(QDialog* dialog, const char* objectName, const QString& caption, int width, int height);

// A read-only string grid: no selection, no editing, no scroll bars. The
// first `fixedColumns` columns and `fixedRows` rows are headings, drawn on the
// face colour. The grid is disabled but keeps its text black. Lines between
// cells are two pixels wide.
QTableWidget* addStringGrid(QWidget* parent, const char* objectName, int columns, int rows, int fixedColumns,
                            int fixedRows, const QRect& geometry);
// Column widths and row heights that make the cells fill the grid inside its
// frame, as evenly as whole pixels allow.
void fitGridCells(QTableWidget* grid);

quor3::TextGrid gridTexts(const QTableWidget* grid);
void showGridTexts(QTableWidget* grid, const quor3::TextGrid& texts);

// The lists of entry lines: 16 pixels a line, the digits in one column, one
// line selectable, no Tab stop.
constexpr int entryLineHeight = 16;
QListWidget* addEntryList(QWidget* parent, const QRect& geometry);
// Replaces the list's lines; no line is left selected.
void showEntryLines(QListWidget* list, const std::vector<std::string>& lines);

} // namespace reports
