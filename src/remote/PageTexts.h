#pragma once

#include <QJsonObject>
#include <QString>

// The page's texts in one language, from the same translations as the
// window: each English source text of the page, and each built-in effect's
// name, to what the page shows for it.
namespace pageTexts {

// {"language": "de", "texts": {source: shown, ...}}; the language the
// settings name wins over the browser's; "" for the source texts.
// acceptLanguage as the browser sends it.
QJsonObject forBrowser(const QString &setting, const QByteArray &acceptLanguage);

} // namespace pageTexts
