#pragma once

#include "SettingsKeys.h"

#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/stat.h>

// The per-user settings of Lampotron, addressed by section and key. On Linux
// they live in ~/.config/Lampotron/Lampotron.conf (or under $XDG_CONFIG_HOME).
// Every call works on a fresh view of the file, so one failed write never
// taints a later read or write. A store is used from one thread at a time.
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
    // A whole section read at once, for sections of many keys; texts as read() gives them.
    QList<Value> values(const QString &section) const;

    // Why the file, though there, cannot be read (no permission, a folder in
    // its place...); reads then give the fallbacks. Nothing for a file that
    // reads, or one that is simply not there yet.
    std::optional<QString> readProblem() const;

    QString fileName() const { return fileName_; }

private:
    // Tells one version of the file from another without reading it.
    struct FileVersion {
        dev_t device;
        ino_t inode;
        off_t size;
        time_t modifiedSeconds;
        long modifiedNanoseconds;
        bool operator==(const FileVersion &) const = default;
    };

    // Returns whether the file that `settings` read was damaged. Looks
    // through the whole file only once per version of it.
    bool keepIfDamaged(const QSettings &settings) const;
    void keepDamagedCopy() const;
    QString whyNotWritten() const;

    QString fileName_;
    mutable std::optional<FileVersion> checkedVersion_;
    mutable bool checkedVersionDamaged_ = false;
};
