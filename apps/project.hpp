#pragma once

// What both of lavoro1's programs hand the runtime at start: the
// application's names and version, its icon, and its command line with
// --esplora [PASSI]. Each program adds the window it starts with.

#include "runtime/host/application.hpp"

namespace apps {

runtime::host::ProjectDescription lavoro1Project();

} // namespace apps
