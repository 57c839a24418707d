#pragma once

#include "Pattern.h"

#include <QByteArray>
#include <QByteArrayView>

namespace pattern {

// One user pattern as a file a person can read and diff:
//
//   # Lampotron pattern
//   name: Lamps 1 and 8 blink
//   version: 3
//   10000001 250
//   00000000 250
//   11111111
//
// A step is eight characters, "1" for a lit lamp and "0" for a dark one,
// lamp 1 first, then its time in ms if it has one of its own.
QByteArray writePatternText(const Pattern &pattern);

// Files larger than this are refused unread.
inline constexpr qsizetype MaxPatternTextBytes = qsizetype(MaxSteps) * 16 + 1024;

struct ParsedPattern {
    Pattern pattern;
    QString problem; // empty when the text is a pattern
};
ParsedPattern readPatternText(QByteArrayView text);

} // namespace pattern
