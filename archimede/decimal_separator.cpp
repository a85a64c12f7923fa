#include "archimede/decimal_separator.hpp"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <span>

namespace archimede {
namespace {

// Languages whose usual decimal separator is a comma (ISO 639-1).
constexpr std::string_view commaLanguages[] = {
    "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi", "fo",
    "fr", "gl", "hr", "hu", "hy", "id", "is", "it", "ka", "kk", "lt", "lv", "mk", "nb", "nl",
    "nn", "no", "pl", "pt", "ro", "ru", "sk", "sl", "sq", "sr", "sv", "tr", "uk", "vi"};

// Territories where a comma language writes a point.
constexpr std::string_view pointExceptions[] = {"de_CH", "de_LI", "it_CH",
                                                "es_MX", "es_US", "rm_CH"};

bool contains(std::span<const std::string_view> list, std::string_view item) {
    return std::ranges::find(list, item) != list.end();
}

} // namespace

std::string_view numericLocaleName(const char* lcAll, const char* lcNumeric, const char* lang) {
    for (const char* name : {lcAll, lcNumeric, lang}) {
        if (name != nullptr && *name != '\0') {
            return name;
        }
    }
    return {};
}

std::string decimalSeparatorOfLocaleName(std::string_view name) {
    // language[_territory][.codeset][@modifier]
    const std::string_view languageAndTerritory = name.substr(0, name.find_first_of(".@"));
    const std::string_view language =
        languageAndTerritory.substr(0, languageAndTerritory.find('_'));
    if (contains(pointExceptions, languageAndTerritory)) {
        return ".";
    }
    if (contains(commaLanguages, language)) {
        return ",";
    }
    return ".";
}

std::string userDecimalSeparator() {
    std::string separator;
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        separator = std::localeconv()->decimal_point;
    } else {
        separator = decimalSeparatorOfLocaleName(numericLocaleName(
            std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")));
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator.empty() ? "." : separator;
}

} // namespace archimede
