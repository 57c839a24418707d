#pragma once

#include "Selection.h"
#include "SettingsStore.h"

#include <QByteArray>

#include <optional>

// Keeps the stored selection in step with the scheme file built from it.
// A build stages the new selection with the fingerprint of the new file
// before that file replaces the old one, and promotes it afterwards. If the
// program dies in between, the next start keeps whichever selection matches
// the file that is actually there.
class SelectionStore {
public:
    explicit SelectionStore(const SettingsStore &store) : store_(store) {}

    Selection read() const;

    std::optional<QString> stage(const Selection &selection, const QByteArray &schemeFingerprint) const;
    // Stores the selection a build wrote, as that build holds it: another
    // copy of the program may have dropped the staged one meanwhile.
    std::optional<QString> promote(const Selection &built) const;
    std::optional<QString> dropStaged() const;

    // At start-up, with the fingerprint of the scheme file in use. Writes
    // only when a build was cut short.
    std::optional<QString> recover(const QByteArray &schemeFingerprint) const;

private:
    const SettingsStore &store_;
};
