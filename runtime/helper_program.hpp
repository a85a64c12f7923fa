#pragma once

// The programs a command hands its run to when it needs more than its own
// libraries: Esplora's window, archimede's pictures. Installed under
// libexec/lavoro1/ beside bin/, and laid out the same way in the build tree,
// so that each is found from the running program's own path.

#include <filesystem>
#include <string>
#include <string_view>

namespace runtime {

// <folder of this program>/../libexec/lavoro1/name.
std::filesystem::path helperProgram(std::string_view name);

// Replaces this process by the helper name, with the same arguments (argv[0]
// too, so that messages name the command the user typed) and environment.
// Returns only if that fails, with what went wrong in one line, in the user's
// language.
std::string runHelperProgram(std::string_view name, char** argv);

} // namespace runtime
