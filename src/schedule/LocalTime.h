#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace schedule {

// The moment a clock time is shown on a day in a zone. When the clocks go
// back and the time is shown twice, the first of the two; when they go
// forward over it, the moment they jump.
QDateTime momentOf(QDate day, QTime time, const QTimeZone &zone);

} // namespace schedule
