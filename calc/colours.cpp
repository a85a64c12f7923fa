#include "calc/colours.hpp"

namespace calc {
namespace {

std::array<Rgb, seriesColourCount> seriesColours(bool dark) {
    std::array<Rgb, seriesColourCount> colours;
    for (std::size_t i = 0; i < seriesColourCount; ++i) {
        colours[i] = dark ? chartSeriesStyles[i].dark : chartSeriesStyles[i].light;
    }
    return colours;
}

} // namespace

PictureColours pictureColours(bool dark) {
    if (dark) {
        const Rgb inscribed{95, 168, 255};
        const Rgb circumscribed{255, 122, 92};
        return {.background = {30, 30, 30},
                .text = {232, 232, 232},
                .frame = {140, 140, 140},
                .circle = {232, 232, 232},
                .inscribed = inscribed,
                .circumscribed = circumscribed,
                .grid = {70, 70, 70},
                .series = seriesColours(true)};
    }
    const Rgb inscribed{31, 111, 208};
    const Rgb circumscribed{208, 69, 47};
    return {.background = {255, 255, 255},
            .text = {32, 32, 32},
            .frame = {128, 128, 128},
            .circle = {32, 32, 32},
            .inscribed = inscribed,
            .circumscribed = circumscribed,
            .grid = {225, 225, 225},
            .series = seriesColours(false)};
}

std::string hexColour(Rgb colour) {
    constexpr char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
        text += digits[channel >> 4U];
        text += digits[channel & 0xfU];
    }
    return text;
}

} // namespace calc
