#pragma once

// The file that writing under a name replaces, found the way the system
// reads the name: the links among its folders resolved (so "sub/../x.svg",
// where sub is a link, is beside sub's target), then the name itself
// followed for as long as it is a link, even to a file not yet there.
// Names are bytes, as the system holds them: nothing here needs them to be
// valid UTF-8, nor the current folder's name. What every file the programs
// replace (pictures, the table, the settings) is found by; the name is only
// looked at, so a writer opens folder, checks the file again through it
// (O_NOFOLLOW, fstat) and renames over it only while it is still what was
// found.

#include <filesystem>
#include <sys/stat.h>

namespace runtime {

struct FileTarget {
    enum class Kind {
        New,     // no file yet by that name, in a folder that exists
        Regular, // a regular file
        Folder,
        Other, // a device, a fifo, a socket
    };
    std::filesystem::path folder; // absolute, free of links and of "." and ".."
    std::filesystem::path name;   // a single name in folder
    Kind kind = Kind::New;
    // The system's error number when the name leads nowhere: ELOOP for
    // links that go round, ENOENT for a missing folder, EACCES...; then
    // folder and name are empty.
    int error = 0;
    // With ENOENT for a folder not there: the folder the name led to, links
    // followed, for a writer that makes it.
    std::filesystem::path missingFolder;

    std::filesystem::path path() const { return folder / name; }
};

FileTarget resolveFileTarget(const std::filesystem::path& name);

// Whether name in the open folder may still be renamed over, the moment
// before: the very file found (its fstat), when found is given; otherwise a
// regular file or nothing. A link put there since is not followed, and
// refused, as is a device or a FIFO.
bool stillReplaceable(int folder, const char* name, const struct stat* found);

} // namespace runtime
