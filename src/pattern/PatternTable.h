#pragma once

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

    // Takes the first eight characters of a file line; the rest is ignored.
    void appendRow(std::string_view line);
    void reserve(int rows);

    int rowCount() const { return static_cast<int>(rows_.size()); }

    // A view of zero or one character.
    std::string_view cell(int line, int row) const;
    bool isLit(int line, int row) const { return cell(line, row) == "1"; }
    // Bit k is set where line k is lit; anything but "1" is dark.
    std::uint8_t litLines(int row) const;

    std::size_t bytesUsed() const { return rows_.capacity() * sizeof(Row); }

private:
    // A zero byte marks an empty cell.
    using Row = std::array<char, Lines>;
    std::vector<Row> rows_;
};

} // namespace pattern
