#include "runtime/translatable.hpp"

#include <vector>

namespace runtime {
namespace {

TextTranslator textTranslator = nullptr;

} // namespace

void setTextTranslator(TextTranslator translator) noexcept {
    textTranslator = translator;
}

std::string translated(const char* context, const char* source) {
    return textTranslator == nullptr ? std::string(source) : textTranslator(context, source);
}

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    return filled(pattern, std::span<const std::string_view>(arguments.begin(), arguments.size()));
}

std::string filled(std::string_view pattern, std::span<const std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number = pattern[i] == '%' && i + 1 < pattern.size() &&
                                           pattern[i + 1] >= '1' && pattern[i + 1] <= '9'
                                       ? static_cast<std::size_t>(pattern[i + 1] - '0')
                                       : 0;
        if (number != 0 && number <= values.size()) {
            text += values[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace runtime
