#include "runtime/charconv.hpp"

#if !defined(__cpp_lib_to_chars)
#include <cstdio>
#include <string>
#include <system_error>
#endif

namespace runtime {

#if defined(__cpp_lib_to_chars)

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
    return std::to_chars(first, last, value, format, precision);
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

#endif

} // namespace runtime
