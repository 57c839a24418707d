#pragma once

#include <QJsonObject>
#include <QString>

// The page's texts in one language, from the same translations as the
// window: each English source text of the page, and each built-in effect's
// name, to what the page shows for it.
namespace pageTexts {

// At most this many bytes of the browser's languages are looked at.
inline constexpr qsizetype MaxLanguagesBytes = 256;

// {"language": "de", "texts": {source: shown, ...}}; the language the
// settings name wins over the browser's; "" for the source texts.
QJsonObject forBrowser(const QString &setting, const QByteArray &browserLanguages);

} // namespace pageTexts
