#pragma once

#include <QByteArray>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;
class SettingsStore;

// The translations built into the program, as lampotron_LANG.qm.
namespace language {

// "de", "en"... one for each translation built in.
QStringList available();

// The translation for the language, or nullptr when none is built in.
std::unique_ptr<QTranslator> load(const QString &language);

// Setting/Language if set, else the user's locale (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG); "" for the source texts.
QString chosen(const SettingsStore &settings);

// Every tr() and the outputs' texts from now on speak the language; "" brings
// back the source texts.
void use(const QString &language);

// What one request from afar is answered in: Setting/Language if set, else
// the browser's (acceptLanguage as it sends it). Spoken on the request's
// thread with LanguageRouter::Speaking.
QString forRequest(const SettingsStore &settings, const QByteArray &acceptLanguage);

} // namespace language
