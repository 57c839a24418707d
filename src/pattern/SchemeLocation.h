#pragma once

#include <QString>

namespace pattern {

// Where the scheme file lives. Beside the program where it is there and that
// folder is writable (an unpacked or home install). Otherwise the user's own
// copy in `userDataFolder`, made on first use from the one beside the program
// or, failing that, from `shippedDefault`, which is never written. Finding it
// may make that copy: a run given a scheme file of its own uses that file as
// it is and does not call this.
QString schemeLocation(const QString &programFolder, const QString &userDataFolder, const QString &shippedDefault);

} // namespace pattern
