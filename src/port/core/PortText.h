#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The outputs' texts that reach the user, in the user's language, without
// Qt: the program installs its translator once at start; until then (and in
// tests without one) the English source shows. lupdate reads portText() as
// translate() and PORT_TEXT_NOOP as QT_TRANSLATE_NOOP, so both take two
// string literals and nothing more (see src/language/CMakeLists.txt).
using PortTranslator = std::string (*)(const char *context, const char *source);

void installPortTranslator(PortTranslator translator);

// The source text in the user's language, its %1..%9 still to fill.
std::string portText(const char *context, const char *source);

// `text` with %1..%9 replaced by the arguments in one pass: an argument that
// holds "%2" (a setting from afar) stays as it is.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> arguments);

// Marks a text in a table for lupdate; portText() translates it where it is shown.
#define PORT_TEXT_NOOP(context, source) source
