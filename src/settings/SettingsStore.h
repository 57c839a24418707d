#pragma once

#include "SettingsKeys.h"

#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>

// The per-user settings of Lampotron, addressed by section and key. On Linux
// they live in ~/.config/Lampotron/Lampotron.conf (or under $XDG_CONFIG_HOME).
// Every call works on a fresh view of the file, so one failed write never
// taints a later read or write.
class SettingsStore {
public:
    struct Value {
        QString section;
        QString key;
        QString text;
    };

    SettingsStore();
    explicit SettingsStore(QString fileName);

    // The stored text as written, or the fallback when the key is absent.
    QString read(const settings::TextKey &key) const;
    // A stored decimal integer; text that is not one reads as the fallback,
    // and a number out of range is brought to the nearer end.
    int read(const settings::IntKey &key) const;

    // Stores the values, and removes a whole section if one is named, and
    // puts it all on disk in one go: after a crash the file holds all of the
    // change or none of it. Returns what went wrong.
    std::optional<QString> write(const QList<Value> &values, const QString &sectionToRemove = {}) const;
    bool hasSection(const QString &section) const;
    // The keys of a section, as they are written.
    QStringList keys(const QString &section) const;

    QString fileName() const { return fileName_; }

private:
    // Returns whether the file that `settings` read was damaged.
    bool keepIfDamaged(const QSettings &settings) const;
    void keepDamagedCopy() const;
    QString whyNotWritten() const;

    QString fileName_;
};
