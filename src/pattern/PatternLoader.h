#pragma once

#include "PatternTable.h"

#include <QString>

#include <optional>

namespace pattern {

enum class LoadFailure {
    Missing,
    Unreadable,
    Empty,
    TooManyLines,
};

struct LoadResult {
    std::optional<PatternTable> table;
    std::optional<LoadFailure> failure;
};

// Reads a pattern file in one pass. Lines end in CR LF or a lone LF; the last
// line may lack its ending. Files of more than PatternTable::MaxRows lines and
// files with no line at all are refused.
LoadResult loadPatternFile(const QString &path);

QString describe(LoadFailure failure);

} // namespace pattern
