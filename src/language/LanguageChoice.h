#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Which translation a face shows: the one the settings name, else the first
// of the user's languages that has one. An empty answer means the source
// texts, as Russian, C and POSIX want.
namespace language {

// "de-CH" and "de_CH" are taken as "de" when only "de" is there.
QString choose(const QString &setting, const QStringList &userLanguages, const QStringList &available);

// At most this many bytes of the browser's languages are looked at.
inline constexpr qsizetype MaxLanguagesBytes = 256;

// The browser's languages as Accept-Language has them, "de-DE,de;q=0.9,en;q=0.8",
// best first.
QStringList browserLanguages(const QByteArray &acceptLanguage);

} // namespace language
