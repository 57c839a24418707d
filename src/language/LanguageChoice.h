#pragma once

#include <QString>
#include <QStringList>

// Which translation a face shows: the one the settings name, else the first
// of the user's languages that has one. An empty answer means the source
// texts, as Russian, C and POSIX want.
namespace language {

// "de-CH" and "de_CH" are taken as "de" when only "de" is there.
QString choose(const QString &setting, const QStringList &userLanguages, const QStringList &available);

} // namespace language
