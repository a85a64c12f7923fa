#pragma once

// The project description handed to the runtime at start: the application's
// names and version, its icon, and Form1 as the start-up window.

#include "calc/module1.hpp"
#include "runtime/host/application.hpp"

namespace form {

inline constexpr const char* applicationTitle = "Lavoro1";
inline constexpr const char* applicationVersion = "1.00";
inline constexpr const char* applicationId = "org.lavoro1.Lavoro1";

// module is the state of the whole run; Form1 works on it.
runtime::host::ProjectDescription projectDescription(calc::Module1& module);

} // namespace form
