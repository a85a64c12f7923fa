#pragma once

// The user's decimal separator, read from the C library's locale without any
// user-interface toolkit. Only userDecimalSeparator looks at the process; the
// rest are pure, so that both separators can be tested side by side.

#include <string>
#include <string_view>

namespace archimede {

// The locale that decides numbers, by POSIX precedence: the first of LC_ALL,
// LC_NUMERIC and LANG that is set and not empty; "" when none is.
std::string_view numericLocaleName(const char* lcAll, const char* lcNumeric, const char* lang);

// The separator usual for a locale name such as "it_IT.UTF-8" or "de_CH",
// judged from its language and territory: for when the C library does not
// have that locale installed. Unknown languages, "C" and "POSIX" give ".".
std::string decimalSeparatorOfLocaleName(std::string_view name);

// Sets LC_NUMERIC from the environment just long enough to read its decimal
// point, then puts back "C", so that no other output depends on it. When the
// locale is not installed, falls back on decimalSeparatorOfLocaleName.
std::string userDecimalSeparator();

} // namespace archimede
