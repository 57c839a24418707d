#pragma once

#include <QDateTime>
#include <QString>

namespace pattern {

// Where the scheme file lives. Beside the program where it is there and that
// folder is writable (an unpacked or home install). Otherwise the user's own
// copy in `userDataFolder`, made on first use from the one beside the program
// or, failing that, from `shippedDefault`, which is never written.
QString schemeLocation(const QString &programFolder, const QString &userDataFolder, const QString &shippedDefault);

// Removes drafts left beside the scheme by a build that was cut short before
// `before`.
void removeStaleDrafts(const QString &schemePath, const QDateTime &before);

} // namespace pattern
