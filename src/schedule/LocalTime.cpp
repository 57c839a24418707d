#include "LocalTime.h"

namespace schedule {

// Qt would take the later of two, and has no answer inside a gap. The zone
// keeps one offset from a day before to a day after, or changes it once.
QDateTime momentOf(QDate day, QTime time, const QTimeZone &zone)
{
    const QDateTime asUtc(day, time, QTimeZone::utc());
    const int before = zone.offsetFromUtc(asUtc.addDays(-1));
    const int after = zone.offsetFromUtc(asUtc.addDays(1));
    // The larger offset gives the earlier moment.
    for (int offset : {std::max(before, after), std::min(before, after)}) {
        const QDateTime moment = asUtc.addSecs(-offset);
        if (zone.offsetFromUtc(moment) == offset)
            return moment;
    }
    return zone.nextTransition(asUtc.addSecs(-after)).atUtc;
}

} // namespace schedule
