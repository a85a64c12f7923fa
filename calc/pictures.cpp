#include "calc/pictures.hpp"

#include <algorithm>
#include <cctype>
#include <string>

namespace calc {

std::optional<PictureFormat> pictureFormatOf(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::nullopt;
    }
    std::string suffix(name.substr(dot + 1));
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (suffix == "svg") {
        return PictureFormat::Svg;
    }
    if (suffix == "png") {
        return PictureFormat::Png;
    }
    if (suffix == "pdf") {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

} // namespace calc
