#include "runtime/charconv.hpp"

#if !defined(__cpp_lib_to_chars)
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#endif

namespace runtime {

#if defined(__cpp_lib_to_chars)

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
    return std::to_chars(first, last, value, format, precision);
}

std::to_chars_result toChars(char* first, char* last, double value) {
    return std::to_chars(first, last, value);
}

#else

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
    const char* const conversion = format == std::chars_format::fixed        ? "%.*f"
                                   : format == std::chars_format::scientific ? "%.*e"
                                                                             : "%.*g";
    const auto room = static_cast<std::size_t>(last - first);
    // snprintf needs room for its terminating zero, which to_chars never writes.
    std::string written(room + 1, '\0');
    const int length = std::snprintf(written.data(), written.size(), conversion, precision, value);
    if (length < 0 || static_cast<std::size_t>(length) > room) {
        return {last, std::errc::value_too_large};
    }
    written.copy(first, static_cast<std::size_t>(length));
    return {first + length, std::errc{}};
}

// The fewest significant digits that read back as value; 17 always do.
// %g writes them fixed or scientific by the exponent, where to_chars takes
// the shorter of the two: the text may differ, never the value. strtod
// reads with the C locale's point, that of the one build without to_chars
// (WebAssembly), which never changes its locale.
std::to_chars_result toChars(char* first, char* last, double value) {
    std::array<char, 32> text{};
    for (int digits = 1;; ++digits) {
        std::snprintf(text.data(), text.size(), "%.*g", digits, value);
        if (digits == 17 || std::strtod(text.data(), nullptr) == value) {
            break;
        }
    }
    const std::string_view written(text.data());
    if (written.size() > static_cast<std::size_t>(last - first)) {
        return {last, std::errc::value_too_large};
    }
    written.copy(first, written.size());
    return {first + written.size(), std::errc{}};
}

#endif

} // namespace runtime
