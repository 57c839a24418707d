#pragma once

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

// The per-user settings of Lampotron, addressed by section and key.
// On Linux they live in ~/.config/Lampotron/Lampotron.conf
// (or $XDG_CONFIG_HOME/Lampotron/Lampotron.conf).
class SettingsStore {
public:
    SettingsStore();

    // The stored text, or defaultValue when the key is absent or the file
    // cannot be read.
    QString read(const QString &section, const QString &key, const QString &defaultValue) const;

    // A stored decimal integer. Text that is not one reads as defaultValue;
    // a number outside [minimum, maximum] is brought to the nearer end.
    int readInt(const QString &section, const QString &key, int defaultValue, int minimum,
                int maximum) const;

    // Stores the text and puts it on disk at once. Returns what went wrong,
    // or nothing on success.
    std::optional<QString> write(const QString &section, const QString &key, const QString &value);

    QString fileName() const { return settings_->fileName(); }

private:
    static QString path(const QString &section, const QString &key);
    void setDamagedFileAside();

    std::unique_ptr<QSettings> settings_;
};
