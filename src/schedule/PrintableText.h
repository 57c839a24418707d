#pragma once

#include <QString>

namespace schedule {

// Text from the settings file made fit to quote in a message or the log:
// control characters, backslashes and quotes escaped (a raw NUL would end the
// output there), and a long text cut after its first 80 characters, saying
// how long it was.
QString printable(const QString &text);

} // namespace schedule
