#pragma once

#include "Schedule.h"

namespace schedule {

// What `lampotron --schedule [DAYS]` prints: the problems found in
// [Schedule], then day by day from the local date of `from` each window
// that starts that day, with its on and off times in local time and the
// entry that gives it, and each entry that cannot run that day and why; last
// the entries whose days do not come up, with their next day.
QString listSchedule(const Schedule &schedule, const QDateTime &from, int days);

} // namespace schedule
