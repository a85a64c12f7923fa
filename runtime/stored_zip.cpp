#include "runtime/stored_zip.hpp"

#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace runtime {
namespace {

constexpr std::array<std::uint32_t, 256> crcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t byte = 0; byte < table.size(); ++byte) {
        std::uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? 0xEDB88320U ^ (crc >> 1) : crc >> 1;
        }
        table[byte] = crc;
    }
    return table;
}();

// 1980-01-01 00:00 in MS-DOS form: (year - 1980) << 9 | month << 5 | day.
constexpr std::uint16_t dosDate = 1U << 5 | 1U;
constexpr std::uint16_t dosTime = 0;
// Version 1.0 of the format suffices for stored entries.
constexpr std::uint16_t zipVersion = 10;

std::uint32_t size32(std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("zip archive past 4 GiB");
    }
    return static_cast<std::uint32_t>(size);
}

// Zip's integers are little-endian.
void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFFU);
    out += static_cast<char>(value >> 8 & 0xFFU);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFFU);
    put16(out, value >> 16);
}

// What the local header and the central directory both hold, from the
// version needed on.
void putCommon(std::string& out, const ZipEntry& entry, std::uint32_t crc) {
    put16(out, zipVersion);
    put16(out, 0); // no flags: sizes known, names ASCII
    put16(out, 0); // stored
    put16(out, dosTime);
    put16(out, dosDate);
    put32(out, crc);
    put32(out, size32(entry.contents.size())); // compressed
    put32(out, size32(entry.contents.size())); // as it is
    put16(out, static_cast<std::uint32_t>(entry.name.size()));
    put16(out, 0); // no extra field
}

} // namespace

std::uint32_t crc32(std::string_view bytes) noexcept {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc = crcTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFFU] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFU;
}

std::string storedZip(std::span<const ZipEntry> entries) {
    if (entries.size() > 0xFFFFU) {
        throw std::length_error("zip archive of more than 65535 entries");
    }
    std::string archive;
    std::string directory;
    for (const ZipEntry& entry : entries) {
        if (entry.name.size() > 0xFFFFU) {
            throw std::length_error("zip entry name too long");
        }
        const std::uint32_t crc = crc32(entry.contents);
        const std::uint32_t offset = size32(archive.size());
        put32(archive, 0x04034B50U);
        putCommon(archive, entry, crc);
        archive += entry.name;
        archive += entry.contents;

        put32(directory, 0x02014B50U);
        put16(directory, zipVersion); // made by MS-DOS (0) rules: no file modes
        putCommon(directory, entry, crc);
        put16(directory, 0); // no comment
        put16(directory, 0); // disk 0
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += entry.name;
    }
    const std::uint32_t directoryOffset = size32(archive.size());
    archive += directory;
    size32(archive.size()); // the end record's offsets, too, within 4 GiB
    put32(archive, 0x06054B50U);
    put16(archive, 0); // this disk
    put16(archive, 0); // the directory's disk
    put16(archive, static_cast<std::uint32_t>(entries.size()));
    put16(archive, static_cast<std::uint32_t>(entries.size()));
    put32(archive, size32(directory.size()));
    put32(archive, directoryOffset);
    put16(archive, 0); // no comment
    return archive;
}

} // namespace runtime
