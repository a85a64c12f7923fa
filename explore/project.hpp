#pragma once

// lavoro1 with Esplora: the --esplora [PASSI] command line, which opens
// Esplora at step PASSI in place of Form1.

#include "runtime/host/application.hpp"

#include <QCommandLineParser>

#include <optional>

namespace explore {

// project with --esplora and PASSI added to its command line, and a start-up
// window that is Esplora when --esplora is given and project's own otherwise.
runtime::host::ProjectDescription withExplore(runtime::host::ProjectDescription project);

// The step --esplora asks for: defaultStep without PASSI; none without
// --esplora. Only for arguments withExplore's command line has accepted.
std::optional<int> requestedStep(const QCommandLineParser& arguments);

} // namespace explore
