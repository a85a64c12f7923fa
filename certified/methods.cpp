#include "certified/methods.hpp"

namespace certified {

std::string_view nameOf(Method method) {
    switch (method) {
    case Method::Doubling:
        return "raddoppi";
    case Method::Huygens:
        return "huygens";
    case Method::Richardson:
        return "richardson";
    }
    return "";
}

std::optional<Method> methodNamed(std::string_view name) {
    for (const Method method : {Method::Doubling, Method::Huygens, Method::Richardson}) {
        if (name == nameOf(method)) {
            return method;
        }
    }
    return std::nullopt;
}

} // namespace certified
