#pragma once

#include "PatternTable.h"

#include <QString>

#include <optional>

namespace pattern {

enum class LoadFailure {
    Missing,
    Unreadable,
    NotAFile,
    TooLarge,
    Empty,
    TooManyLines,
};

// A row takes ten bytes as written; 256 on average leaves room for anything
// a hand-edited file puts after the eight characters, while a full read
// stays a few milliseconds and a mistaken huge file is refused unread.
inline constexpr qint64 MaxSchemeBytes = qint64(PatternTable::MaxRows) * 256;

struct LoadResult {
    std::optional<PatternTable> table;
    std::optional<LoadFailure> failure;
    qint64 fileSize = 0; // as found, for a file refused as too large
};

// Reads a pattern file in one pass. Lines end in CR LF or a lone LF; the last
// line may lack its ending. Only a regular file is read, and never waited
// for; files of more than MaxSchemeBytes bytes or PatternTable::MaxRows
// lines, and files with no line at all, are refused.
LoadResult loadPatternFile(const QString &path);

// What went wrong, for a result that has no table.
QString describe(const LoadResult &result);

} // namespace pattern
