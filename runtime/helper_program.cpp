#include "runtime/helper_program.hpp"

#include "runtime/printable.hpp"
#include "runtime/system_errors.hpp"
#include "runtime/translatable.hpp"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace runtime {

std::filesystem::path helperProgram(std::string_view name) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
    return folder / ".." / "libexec" / "lavoro1" / name;
}

std::string runHelperProgram(std::string_view name, char** argv) {
    const std::filesystem::path path = helperProgram(name);
    execv(path.c_str(), argv);
    const int error = errno;
    return filled(translated("runtime", "Impossibile avviare '%1': %2"),
                  {printable(path.lexically_normal().string()), systemErrorText(error)});
}

} // namespace runtime
