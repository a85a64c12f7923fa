#pragma once

// The drawing and the chart as files: their formats, named by the file's
// extension, and their size when none is asked for. Esplora's save buttons
// and archimede read them here, so both accept and refuse the same names.

#include "runtime/translatable.hpp"

#include <optional>
#include <string_view>

namespace calc {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Pixels; points for PDF.
inline constexpr PictureSize defaultPictureSize{900, 600};

// The message when a picture could not be made at all, %1 the file's name:
// the page's PNG, which the browser renders and may refuse.
inline constexpr const char* pictureNotMadePattern =
    LAVORO1_TRANSLATABLE("Pictures", "Impossibile creare l'immagine '%1'.");

enum class PictureFormat { Svg, Png, Pdf };

// The format named by the extension of path's last component, in any case
// (".svg", ".PNG"...); none for another extension or none at all.
std::optional<PictureFormat> pictureFormatOf(std::string_view path);

} // namespace calc
