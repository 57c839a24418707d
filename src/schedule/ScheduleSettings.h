#pragma once

#include "Schedule.h"
#include "SettingsStore.h"

namespace schedule {

// The schedule as [Schedule] in the settings holds it. Without entries, or
// with Enabled=0, there is none and the show plays all the time. Entries that
// cannot be read are left out, each with a line in problems().
Schedule readSchedule(const SettingsStore &store, const QTimeZone &zone = QTimeZone::systemTimeZone());

} // namespace schedule
