#pragma once

#include "RequestBody.h"
#include "ScheduleEdit.h"

// The body of PUT /api/v1/schedule, read as strictly as the others:
// {"version": 12, "entries": ["on=sunset off=23:00"],
//  "place": {"latitude": 52.52, "longitude": 13.40}}, place null for none.
namespace body {

struct ScheduleChange {
    schedule::ScheduleEdit edit;
    int version = 0; // the one GET gave, which the change was made from
};
Read<ScheduleChange> scheduleChange(const QByteArray &body);

} // namespace body
