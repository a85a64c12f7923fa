#include "runtime/charconv.hpp"

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>
#endif

namespace runtime {

#if defined(__cpp_lib_to_chars)

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
    return std::to_chars(first, last, value, format, precision);
}

std::from_chars_result fromChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
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

std::from_chars_result fromChars(const char* first, const char* last, double& value) {
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const auto used = end - text.c_str();
    if (used == 0) {
        return {first, std::errc::invalid_argument};
    }
    if (errno == ERANGE) {
        return {first + used, std::errc::result_out_of_range};
    }
    value = read;
    return {first + used, std::errc{}};
}

#endif

} // namespace runtime
