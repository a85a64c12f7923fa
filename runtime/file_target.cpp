#include "runtime/file_target.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>

namespace runtime {
namespace {

// The most links followed in the last name, as the kernel follows at most
// 40 in a whole path.
constexpr int mostLinks = 40;

FileTarget failed(int error) {
    FileTarget target;
    target.error = error;
    return target;
}

} // namespace

FileTarget resolveFileTarget(const std::filesystem::path& name) {
    std::filesystem::path current = name;
    for (int links = 0; links <= mostLinks; ++links) {
        const std::filesystem::path last = current.filename();
        if (last.empty() || last == "." || last == "..") {
            return failed(EISDIR);
        }
        std::error_code error;
        const std::filesystem::path parent = current.parent_path();
        const std::filesystem::path folder =
            std::filesystem::canonical(parent.empty() ? std::filesystem::path(".") : parent, error);
        if (error) {
            FileTarget target = failed(error.value());
            if (target.error == ENOENT) {
                target.missingFolder = parent;
            }
            return target;
        }
        const std::filesystem::path resolved = folder / last;
        struct stat status {};
        if (lstat(resolved.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return {folder, last, FileTarget::Kind::New, 0, {}};
            }
            return failed(errno);
        }
        if (S_ISLNK(status.st_mode)) {
            const std::filesystem::path target = std::filesystem::read_symlink(resolved, error);
            if (error) {
                return failed(error.value());
            }
            current = target.is_absolute() ? target : folder / target;
            continue;
        }
        const FileTarget::Kind kind = S_ISREG(status.st_mode)   ? FileTarget::Kind::Regular
                                      : S_ISDIR(status.st_mode) ? FileTarget::Kind::Folder
                                                                : FileTarget::Kind::Other;
        return {folder, last, kind, 0, {}};
    }
    return failed(ELOOP);
}

bool stillReplaceable(int folder, const char* name, const struct stat* found) {
    struct stat now {};
    if (fstatat(folder, name, &now, AT_SYMLINK_NOFOLLOW) != 0) {
        return found == nullptr && errno == ENOENT;
    }
    if (found != nullptr) {
        return now.st_dev == found->st_dev && now.st_ino == found->st_ino;
    }
    return S_ISREG(now.st_mode);
}

} // namespace runtime
