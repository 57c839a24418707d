#include "PatternTable.h"

namespace pattern {

void PatternTable::appendRow(std::string_view line)
{
    Row row{};
    for (std::size_t k = 0; k < row.size() && k < line.size(); ++k)
        row[k] = line[k];
    rows_.push_back(row);
}

void PatternTable::reserve(int rows)
{
    rows_.reserve(static_cast<std::size_t>(rows));
}

std::string_view PatternTable::cell(int line, int row) const
{
    if (line < 0 || line >= Lines || row < 0 || row >= rowCount())
        return {};
    const char &c = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(line)];
    return c == '\0' ? std::string_view{} : std::string_view{&c, 1};
}

std::uint8_t PatternTable::litLines(int row) const
{
    std::uint8_t lines = 0;
    for (int k = 0; k < Lines; ++k)
        if (isLit(k, row))
            lines |= static_cast<std::uint8_t>(1u << k);
    return lines;
}

} // namespace pattern
