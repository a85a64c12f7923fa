#pragma once

// lavoro1's --esplora [PASSI]: the option, its argument and their check, on
// Qt Core alone, so that the very check the application runs is fuzzed
// without a window.

#include "runtime/host/command_line.hpp"

#include <QCommandLineParser>

#include <optional>

namespace apps {

// syntax with --esplora and PASSI added. PASSI goes only with --esplora and
// is read as Form1 reads its text box and archimede its PASSI
// (calc::readStepCount), refused with the same warning or run-time error.
runtime::host::CommandLineSyntax withExploreOption(runtime::host::CommandLineSyntax syntax);

// The step --esplora asks for: calc::defaultExploreStep without PASSI; none without
// --esplora. Only for arguments withExploreOption's syntax has accepted.
std::optional<int> requestedStep(const QCommandLineParser& arguments);

// The step PASSI names, none without PASSI: Esplora then opens at the step it
// was last closed at. Only for arguments withExploreOption's syntax has
// accepted.
std::optional<int> explicitStep(const QCommandLineParser& arguments);

// Whether argv (as main has it) is a command line of syntax that opens
// Esplora. A refused line, --help and --version are not: the program that
// reads it answers them.
bool asksForExplore(const runtime::host::CommandLineSyntax& syntax, int argc, char** argv);

} // namespace apps
