#pragma once

#include "Entry.h"

#include <variant>

namespace schedule {

// Reads an entry as it is written after "EntryN=", for example
// "days=Mon-Fri dates=12-01..01-06 on=sunset-15 off=23:00 end=pass
// play=перебор схожд.", where play=, when given, comes last.
// Returns the entry, or what is wrong with it in words a user can act on.
std::variant<Entry, QString> parseEntry(int number, const QString &text);

} // namespace schedule
