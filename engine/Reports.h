#pragma once

#include "engine/DataFiles.h"
#include "engine/DrawRecord.h"
#include "engine/Search.h"

#include <string>
#include <vector>

namespace quor3
{

// Every report cell shows a number as decimal text of at most three characters.
std::string cellText(long long value);

// --- Totals ---
// How often each digit was drawn in any position. Stored values outside 0 to 9
// belong to no digit and are left out.
DigitValues totalDigitCounts(const std::vector<DrawRecord>& draws);

// --- Database display ---
// The entry lines of the draws, newest first.
std::vector<std::string> displayLines(const std::vector<DrawRecord>& draws);

// --- Skip/trace chart ---
// The mark of one digit in one draw: how often it was drawn, a caret when not at all.
std::string traceMark(std::int32_t count);
// The ten lines of "frequent.txt", digit 0 first: one mark and one blank per
// "freq.dat" record, oldest draw first.
std::vector<std::string> frequentLines(const std::vector<DigitCounts>& freqRecords);

// --- Search ---
// The result lines of one search, in the order they are listed.
std::vector<std::string> searchResultLines(const std::vector<DrawRecord>& draws, SearchType type, int s1, int s2,
                                           int s3);

// --- Grids ---
// The texts of a string grid, addressed (column, row) as the grids are.
struct TextGrid {
    TextGrid(int columns, int rows);
    int columns;
    int rows;
    std::vector<std::string> cells; // row by row

    std::string& at(int column, int row) { return cells[static_cast<std::size_t>(row * columns + column)]; }
    const std::string& at(int column, int row) const { return cells[static_cast<std::size_t>(row * columns + column)]; }
};

// Writes `text` into the topmost empty cell of the column (the leftmost of the
// row); a column or row without an empty cell is left alone. False then.
bool putInFirstEmptyOfColumn(TextGrid& grid, int column, const std::string& text);
bool putInFirstEmptyOfRow(TextGrid& grid, int row, const std::string& text);

// Totals: 10 x 2. The headings "0" to "9" go only into empty heading cells;
// the counts always replace the second row.
void fillTotalsGrid(TextGrid& grid, const DigitValues& counts);
// Pairs: 11 x 11, headings across and down, record r field k in column k + 1,
// row r + 1. Everything goes into first empty cells, so a filled grid stays as
// it is. Takes the first ten records.
void fillPairsGrid(TextGrid& grid, const std::vector<DigitCounts>& pairRecords);
// Ordinal: 4 x 11, positions "1" to "3" across, digits down, record p field d
// in column p + 1, row d + 1. Headings into empty cells only; the values are
// replaced every time. Takes the first three records.
void fillOrdinalGrid(TextGrid& grid, const std::vector<DigitCounts>& orderRecords);

} // namespace quor3
