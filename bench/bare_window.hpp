#pragma once

// The floor that Form1's start-up is measured against: the same eleven
// controls, texts, places and font, written straight in Qt with nothing of
// Form1's own (no frames, colours, accessibility, focus, icon or wiring).

#include <QWidget>

#include <memory>

namespace bench {

std::unique_ptr<QWidget> bareWindow();

} // namespace bench
