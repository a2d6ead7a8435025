#include "engine/Reports.h"

#include "engine/Dates.h"

namespace quor3
{

std::string cellText(long long value)
{
    return std::to_string(value).substr(0, 3);
}

DigitValues totalDigitCounts(const std::vector<DrawRecord>& draws)
{
    DigitValues counts{};
    auto count = [&counts](std::int32_t digit) {
        if (digit >= 0 && digit <= 9)
            ++counts[static_cast<std::size_t>(digit)];
    };
    for (const auto& draw : draws) {
        count(draw.Digit1);
        count(draw.Digit2);
        count(draw.Digit3);
    }
    return counts;
}

std::vector<std::string> displayLines(const std::vector<DrawRecord>& draws)
{
    std::vector<std::string> lines;
    lines.reserve(draws.size());
    for (auto it = draws.rbegin(); it != draws.rend(); ++it)
        lines.push_back(entryLine(*it));
    return lines;
}

std::string traceMark(std::int32_t count)
{
    std::string text = cellText(count);
    return text == "0" ? std::string("^") : text;
}

std::vector<std::string> frequentLines(const std::vector<DigitCounts>& freqRecords)
{
    std::vector<std::string> lines(10);
    for (std::size_t digit = 0; digit < 10; ++digit) {
        for (const auto& record : freqRecords) {
            lines[digit] += traceMark(record[digit]);
            lines[digit] += ' ';
        }
    }
    return lines;
}

std::vector<std::string> searchResultLines(const std::vector<DrawRecord>& draws, SearchType type, int s1, int s2,
                                           int s3)
{
    std::vector<std::string> lines;
    for (std::size_t index : searchDraws(draws, type, s1, s2, s3))
        lines.push_back(searchLine(draws[index]));
    return lines;
}

TextGrid::TextGrid(int columnCount, int rowCount)
    : columns(columnCount), rows(rowCount), cells(static_cast<std::size_t>(columnCount * rowCount))
{
}

bool putInFirstEmptyOfColumn(TextGrid& grid, int column, const std::string& text)
{
    for (int row = 0; row < grid.rows; ++row) {
        if (grid.at(column, row).empty()) {
            grid.at(column, row) = text;
            return true;
        }
    }
    return false;
}

bool putInFirstEmptyOfRow(TextGrid& grid, int row, const std::string& text)
{
    for (int column = 0; column < grid.columns; ++column) {
        if (grid.at(column, row).empty()) {
            grid.at(column, row) = text;
            return true;
        }
    }
    return false;
}

void fillTotalsGrid(TextGrid& grid, const DigitValues& counts)
{
    for (int digit = 0; digit < 10; ++digit) {
        if (grid.at(digit, 0).empty())
            grid.at(digit, 0) = std::to_string(digit);
        grid.at(digit, 1) = cellText(counts[static_cast<std::size_t>(digit)]);
    }
}

void fillPairsGrid(TextGrid& grid, const std::vector<DigitCounts>& pairRecords)
{
    for (int column = 1; column <= 10; ++column)
        putInFirstEmptyOfColumn(grid, column, std::to_string(column - 1));
    for (int row = 1; row <= 10; ++row)
        putInFirstEmptyOfRow(grid, row, std::to_string(row - 1));
    for (std::size_t r = 0; r < 10 && r < pairRecords.size(); ++r)
        for (int k = 0; k < 10; ++k)
            putInFirstEmptyOfColumn(grid, k + 1, cellText(pairRecords[r][static_cast<std::size_t>(k)]));
}

void fillOrdinalGrid(TextGrid& grid, const std::vector<DigitCounts>& orderRecords)
{
    for (int column = 1; column <= 3; ++column)
        putInFirstEmptyOfColumn(grid, column, std::to_string(column));
    for (int row = 1; row <= 10; ++row)
        putInFirstEmptyOfRow(grid, row, std::to_string(row - 1));
    for (std::size_t p = 0; p < 3 && p < orderRecords.size(); ++p)
        for (int d = 0; d < 10; ++d)
            grid.at(static_cast<int>(p) + 1, d + 1) = cellText(orderRecords[p][static_cast<std::size_t>(d)]);
}

} // namespace quor3
