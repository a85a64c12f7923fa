#pragma once

// The three ways of reading pi off the polygons and the digits a run may ask
// for, with the names the command line gives them: all a command line needs
// to read --cifre and --metodo, without the ball arithmetic's libraries.

#include <optional>
#include <string_view>

namespace certified {

inline constexpr int minimumDigits = 1;
inline constexpr int maximumDigits = 1000000;

enum class Method { Doubling, Huygens, Richardson };

// The names of the command line: raddoppi, huygens, richardson.
std::string_view nameOf(Method method);
std::optional<Method> methodNamed(std::string_view name);

} // namespace certified
