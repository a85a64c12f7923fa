#pragma once

// The file that writing under a name replaces, found the way the system
// reads the name: the links among its folders resolved (so "sub/../x.svg",
// where sub is a link, is beside sub's target), then the name itself
// followed for as long as it is a link, even to a file not yet there.
// Names are bytes, as the system holds them: nothing here needs them to be
// valid UTF-8, nor the current folder's name.

#include <filesystem>

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

    std::filesystem::path path() const { return folder / name; }
};

FileTarget resolveFileTarget(const std::filesystem::path& name);

} // namespace runtime
