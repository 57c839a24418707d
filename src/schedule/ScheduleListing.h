#pragma once

#include "Schedule.h"

namespace schedule {

// What `lampotron --schedule [DAYS]` prints: the problems found in
// [Schedule], then each window that starts on one of `days` local dates from
// `from`, with its on and off times in local time and the entry that gives
// it, the days an entry cannot run, and the entries that start on none of
// these days.
QString listSchedule(const Schedule &schedule, const QDateTime &from, int days);

} // namespace schedule
