#pragma once

namespace testing_support {

// Turns on the platform's accessibility, as an assistive technology would when
// it connects; without it Qt drops every accessibility event before any update
// handler sees it.
void activateAccessibility();

} // namespace testing_support
