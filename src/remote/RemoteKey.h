#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The key that opens the remote: 128 random bits as 32 hex digits, kept in
// a file only its owner may read, beside the settings file. Whoever can read
// the settings folder can open the remote.
struct RemoteKey {
    QByteArray key;  // empty when it could not be had
    QString problem; // why not

    // remote.key in the settings file's folder.
    static QString pathBeside(const QString &settingsFile);
    // Reads the key, or makes one there if there is none yet. The file
    // appears whole or not at all, is never written through a link, and is
    // refused when others could read it.
    static RemoteKey loadOrMake(const QString &path);
};

// Compares a key that was given with the real one in a time that does not
// depend on where they differ, so that timing does not reveal the key.
bool keysMatch(QByteArrayView given, QByteArrayView key);
