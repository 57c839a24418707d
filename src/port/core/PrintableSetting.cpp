#include "PrintableSetting.h"

#include <cstdio>

namespace {

constexpr std::size_t LongestQuote = 60;

std::string escaped(unsigned char c)
{
    switch (c) {
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        char code[5];
        std::snprintf(code, sizeof code, "\\x%02x", c);
        return code;
    }
}

} // namespace

std::string printableSetting(std::string_view text)
{
    std::string printable;
    for (const unsigned char c : text.substr(0, LongestQuote))
        printable += c < 0x20 || c == 0x7f ? escaped(c) : std::string(1, static_cast<char>(c));
    if (text.size() > LongestQuote)
        printable += "...";
    return printable;
}
