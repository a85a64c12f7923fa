#include "runtime/charconv.hpp"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

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

std::to_chars_result toChars(char* first, char* last, double value) {
    return toCharsThroughPrintf(first, last, value);
}

#endif

// The fewest significant digits that read back as value (17 always do),
// then written fixed or scientific, whichever is shorter, fixed when both
// are as long: as std::to_chars does. strtod reads with the C locale's
// point, that of the one build without to_chars (WebAssembly), which never
// changes its locale.
std::to_chars_result toCharsThroughPrintf(char* first, char* last, double value) {
    std::array<char, 40> scientific{};
    for (int digits = 1;; ++digits) {
        std::snprintf(scientific.data(), scientific.size(), "%.*e", digits - 1, value);
        if (digits == 17 || std::strtod(scientific.data(), nullptr) == value) {
            break;
        }
    }
    std::string written(scientific.data());
    const std::size_t e = written.find('e');
    if (e != std::string::npos) { // not inf or nan
        const bool negative = written.front() == '-';
        std::string mantissa = written.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
        const int exponent = std::atoi(written.c_str() + e + 1);
        // The significant digits, without the point and the trailing zeros.
        std::string significant;
        for (const char c : mantissa) {
            if (c != '.') {
                significant += c;
            }
        }
        while (significant.size() > 1 && significant.back() == '0') {
            significant.pop_back();
        }
        const auto count = static_cast<int>(significant.size());
        std::string exponentText = std::to_string(exponent < 0 ? -exponent : exponent);
        if (exponentText.size() < 2) {
            exponentText.insert(0, 1, '0');
        }
        std::string shortScientific = significant.substr(0, 1);
        if (count > 1) {
            shortScientific += '.' + significant.substr(1);
        }
        shortScientific += std::string(exponent < 0 ? "e-" : "e+") + exponentText;
        std::string fixed;
        if (exponent >= count - 1) {
            // A whole number: its exact digits, as to_chars writes it.
            std::array<char, 330> whole{};
            std::snprintf(whole.data(), whole.size(), "%.0f", negative ? -value : value);
            fixed = whole.data();
        } else if (exponent >= 0) {
            const auto point = static_cast<std::size_t>(exponent + 1);
            fixed = significant.substr(0, point) + '.' + significant.substr(point);
        } else {
            fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + significant;
        }
        written = (negative ? "-" : "") +
                  (fixed.size() <= shortScientific.size() ? fixed : shortScientific);
    }
    if (written.size() > static_cast<std::size_t>(last - first)) {
        return {last, std::errc::value_too_large};
    }
    written.copy(first, written.size());
    return {first + written.size(), std::errc{}};
}

} // namespace runtime
