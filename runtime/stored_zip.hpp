#pragma once

// A zip archive whose entries are stored, not compressed: what an
// OpenDocument file is made of. Written here rather than with zlib or
// libzip because the core is also compiled to WebAssembly by Debian's
// emscripten, which has neither without fetching its ports; a few hundred
// kilobytes of XML need no compression.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace runtime {

struct ZipEntry {
    std::string_view name; // ASCII, '/' between folders
    std::string_view contents;
};

// The archive of entries in their order, each a local header and its bytes,
// then the central directory. Every entry is dated 1 January 1980, the
// earliest date zip holds, so that the same entries make the same bytes.
// Archives past zip's 4 GiB or 65535 entries raise std::length_error.
std::string storedZip(std::span<const ZipEntry> entries);

// CRC-32 of bytes (ISO 3309, the zip and PNG one).
std::uint32_t crc32(std::string_view bytes) noexcept;

} // namespace runtime
