#include "RowPlan.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

std::optional<std::vector<probe::PlannedRow>> probe::rowPlan(const char *argument)
{
    char *end = nullptr;
    const long period = std::strtol(argument, &end, 10);
    if (*argument != '\0' && *end == '\0') {
        if (period <= 0)
            return std::nullopt;
        std::vector<PlannedRow> light;
        for (unsigned k = 0; k < 8; ++k)
            light.push_back({1u << k, static_cast<int>(period)});
        return light;
    }
    std::FILE *file = std::fopen(argument, "r");
    if (!file)
        return std::nullopt;
    std::vector<PlannedRow> rows;
    std::set<unsigned> seen;
    char cells[9] = {};
    int ms = 0;
    bool fine = true;
    while (fine && std::fscanf(file, "%8s %d", cells, &ms) == 2) {
        unsigned lamps = 0;
        for (unsigned k = 0; k < 8; ++k)
            lamps |= cells[k] == '1' ? 1u << k : 0u;
        fine = std::strlen(cells) == 8 && ms > 0 && seen.insert(lamps).second;
        rows.push_back({lamps, ms});
    }
    std::fclose(file);
    if (!fine || rows.size() < 2)
        return std::nullopt;
    return rows;
}
