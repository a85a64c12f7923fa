#pragma once

// The fonts the application asks for by name, and what stands in for them.

#include <QFont>

namespace runtime::host {

// Font families asked for by name, with the family drawn where the named one
// is not installed. DejaVu Sans is on every Debian desktop (fonts-dejavu-core).
inline constexpr const char* designFontFamily = "MS Sans Serif";
inline constexpr const char* designFontSubstitute = "DejaVu Sans";

// Registers the substitutions above with Qt's font matching.
void installFontSubstitutions();

// The design font at pointSize and weight. Where it is not installed the
// substitute sets the same text about a tenth wider than the layout allows
// for, so it is drawn narrowed by that much, always from its regular face
// file (never from a condensed face that only some machines have): captions
// fit their controls, and alike on every machine.
QFont designFont(qreal pointSize, QFont::Weight weight);

// Horizontal scale of the substitute, in percent.
inline constexpr int substituteStretch = 90;

} // namespace runtime::host
