#include "PatternTable.h"

#include <charconv>

namespace pattern {

void PatternTable::appendRow(std::string_view line)
{
    Row row{};
    for (std::size_t k = 0; k < row.size() && k < line.size(); ++k)
        row[k] = line[k];
    rows_.push_back(row);
    int ms = 0;
    if (line.size() > Lines + 1 && (line[Lines] == ' ' || line[Lines] == '\t')) {
        std::string_view rest = line.substr(Lines + 1);
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
            rest.remove_prefix(1);
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r'))
            rest.remove_suffix(1);
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), ms);
        if (error != std::errc() || end != rest.data() + rest.size() || ms < MinStepMs || ms > MaxStepMs)
            ms = 0;
    }
    setTime(ms);
}

void PatternTable::appendStep(const Step &step)
{
    Row row{};
    for (int k = 0; k < Lines; ++k)
        row[static_cast<std::size_t>(k)] = (step.lamps >> k) & 1 ? '1' : '0';
    rows_.push_back(row);
    setTime(step.ms);
}

void PatternTable::setTime(int ms)
{
    if (ms == 0 && times_.empty())
        return;
    if (times_.empty())
        times_.reserve(rows_.capacity());
    times_.resize(rows_.size() - 1, 0);
    times_.push_back(static_cast<std::uint16_t>(ms));
}

int PatternTable::stepMs(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= times_.size())
        return 0;
    return times_[static_cast<std::size_t>(row)];
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
