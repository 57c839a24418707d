#pragma once

#include "Schedule.h"
#include "SettingsStore.h"
#include "SunPlace.h"

#include <QStringList>

#include <optional>

namespace schedule {

// Enough for every window anyone needs; each entry costs every decision.
inline constexpr int MaxEntries = 100;

// [Schedule] as a user edits it from afar: the entries as they are written
// after "EntryN=", numbered from 1 in this order, and the place.
struct ScheduleEdit {
    QStringList entries;
    std::optional<Place> place;
};

// [Schedule] as it is stored, texts as written. `version` changes with any
// change to the section, by any hand, so that an edit made from an older
// reading is told apart.
struct StoredSchedule {
    bool enabled = true;
    QStringList entries;
    std::optional<Place> place;
    int version = 0;
};

StoredSchedule readStoredSchedule(const SettingsStore &store);

// What the INI reader would refuse in an edit, in its words; empty when it
// would take every entry.
QString editProblem(const ScheduleEdit &edit, const QTimeZone &zone = QTimeZone::systemTimeZone());

// The whole section that holds the edit; Enabled is kept as it was.
QList<SettingsStore::Value> editValues(const ScheduleEdit &edit, bool enabled);

} // namespace schedule
