#include "PortText.h"

#include <atomic>

namespace {

// Set once at start, read from the threads that look for outputs.
std::atomic<PortTranslator> translator{nullptr};

} // namespace

void installPortTranslator(PortTranslator translate)
{
    translator.store(translate);
}

std::string portText(const char *context, const char *source)
{
    const PortTranslator translate = translator.load();
    return translate != nullptr ? translate(context, source) : std::string(source);
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string filled;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char next = k + 1 < text.size() && text[k] == '%' ? text[k + 1] : '\0';
        const auto number = static_cast<std::size_t>(next >= '1' && next <= '9' ? next - '0' : 0);
        if (number >= 1 && number <= arguments.size()) {
            filled += arguments.begin()[number - 1];
            ++k;
        } else {
            filled += text[k];
        }
    }
    return filled;
}
