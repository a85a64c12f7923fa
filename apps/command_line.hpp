#pragma once

// lavoro1's --esplora [PASSI]: the option, its argument and their check, on
// Qt Core alone, so that the very check the application runs is fuzzed
// without a window.

#include "runtime/host/command_line.hpp"

#include <optional>

namespace apps {

// syntax with --esplora and PASSI added. PASSI goes only with --esplora and
// is read as Form1 reads its text box and archimede its PASSI
// (calc::readStepCount), once, while the command line is read, and refused
// with the same warning or run-time error.
runtime::host::CommandLineSyntax withExploreOption(runtime::host::CommandLineSyntax syntax);

// The step --esplora asks for: calc::defaultExploreStep without PASSI; none
// without --esplora. Only for command lines of withExploreOption's syntax
// that it has accepted.
std::optional<int> requestedStep(const runtime::host::CommandLine& commandLine);

// The step PASSI names, none without PASSI: Esplora then opens at the step it
// was last closed at. Only for command lines of withExploreOption's syntax
// that it has accepted.
std::optional<int> explicitStep(const runtime::host::CommandLine& commandLine);

// Whether a command line of withExploreOption's syntax opens Esplora. A
// refused line, --help and --version do not: the program that read it
// answers them.
bool asksForExplore(const runtime::host::CommandLine& commandLine);

} // namespace apps
