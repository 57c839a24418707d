#pragma once

#include "Schedule.h"
#include "ScheduleEdit.h"

#include <QJsonObject>

// The schedule as the page shows it: the entries as stored, the next on and
// off times and the entry that gives each, and the windows of the days ahead.
namespace scheduleJson {

// Days listed when the request names none, and the most it may name.
inline constexpr int DefaultDays = 7;
inline constexpr int MostDays = 31;

QJsonObject schedule(const schedule::StoredSchedule &stored, const schedule::Schedule &decided, const QDateTime &now, int days);

} // namespace scheduleJson
