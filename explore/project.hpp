#pragma once

// lavoro1 with Esplora: the --esplora [PASSI] command line, which opens
// Esplora at step PASSI in place of Form1.

#include "explore/command_line.hpp"
#include "runtime/host/application.hpp"

namespace explore {

// project with --esplora and PASSI added to its command line, and a start-up
// window that is Esplora when --esplora is given and project's own otherwise.
runtime::host::ProjectDescription withExplore(runtime::host::ProjectDescription project);

} // namespace explore
