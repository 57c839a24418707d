#pragma once

#include <QString>

#include <optional>

namespace scheme {

// Where the scheme file lives, and what a user's first copy of it is made
// from.
struct SchemePlace {
    QString path;
    QString firstCopyFrom;
};

// Beside the program where it is there and that folder is writable (an
// unpacked or home install). Otherwise the user's own copy in
// `userDataFolder`, first made from the one beside the program or, failing
// that, from `shippedDefault`, which is never written. Makes no file.
SchemePlace schemePlace(const QString &programFolder, const QString &userDataFolder, const QString &shippedDefault);
// The same for this installation; needs the application object.
SchemePlace installedSchemePlace();

// The user's first copy, where there is no file at the place yet. Returns
// why it could not be made.
std::optional<QString> makeFirstCopy(const SchemePlace &place);

} // namespace scheme
