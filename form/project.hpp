#pragma once

// The project description handed to the runtime at start: the application's
// names and version, its icon, its command line, and Form1 as the start-up
// window.

#include "calc/module1.hpp"
#include "runtime/host/application.hpp"

namespace form {

// module is the state of the whole run; Form1 works on it.
runtime::host::ProjectDescription projectDescription(calc::Module1& module);

} // namespace form
