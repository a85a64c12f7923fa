#pragma once

// The size, in pixels, of the drawing and the chart written to a file when
// none is asked for: Esplora's save buttons and archimede's default.

namespace calc {

struct PictureSize {
    int width = 0;
    int height = 0;
};

inline constexpr PictureSize defaultPictureSize{900, 600};

} // namespace calc
