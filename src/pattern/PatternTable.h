#pragma once

#include "Pattern.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pattern {

// The rows of a scheme, eight cells each. A cell is the character of the
// pattern file at that place, or empty where the file's line was shorter.
// Rows are kept as eight bytes so that a full table of 32768 rows stays small.
class PatternTable {
public:
    static constexpr int Lines = 8;
    static constexpr int MaxRows = 32768;

    // Takes the first eight characters of a file line, and the step's own
    // time where a space and a number of ms in range follow them; anything
    // else after the eight characters is ignored.
    void appendRow(std::string_view line);
    void appendStep(const Step &step);
    void reserve(int rows);

    int rowCount() const { return static_cast<int>(rows_.size()); }

    // A view of zero or one character.
    std::string_view cell(int line, int row) const;
    bool isLit(int line, int row) const { return cell(line, row) == "1"; }
    // Bit k is set where line k is lit; anything but "1" is dark.
    std::uint8_t litLines(int row) const;
    // The row's own time in ms, or 0 where it lasts the delay.
    int stepMs(int row) const;

    std::size_t bytesUsed() const { return rows_.capacity() * sizeof(Row) + times_.capacity() * sizeof(std::uint16_t); }

private:
    // A zero byte marks an empty cell.
    using Row = std::array<char, Lines>;
    std::vector<Row> rows_;
    // Parallel to the rows once any row has a time of its own; empty before.
    std::vector<std::uint16_t> times_;
    void setTime(int ms);
};

} // namespace pattern
