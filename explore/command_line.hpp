#pragma once

// lavoro1's --esplora [PASSI]: the option, its argument and their check, on
// Qt Core alone, so that the very check the application runs is fuzzed
// without a window.

#include "runtime/host/command_line.hpp"

#include <QCommandLineParser>

#include <optional>

namespace explore {

// The step Esplora opens at when no PASSI is given.
inline constexpr int defaultStep = 3;

// syntax with --esplora and PASSI added. PASSI goes only with --esplora and
// is read as Form1 reads its text box and archimede its PASSI
// (form::readStepCount), refused with the same warning or run-time error.
runtime::host::CommandLineSyntax withExploreOption(runtime::host::CommandLineSyntax syntax);

// The step --esplora asks for: defaultStep without PASSI; none without
// --esplora. Only for arguments withExploreOption's syntax has accepted.
std::optional<int> requestedStep(const QCommandLineParser& arguments);

} // namespace explore
