#pragma once
// One directory entry of a BIG archive as the archive keeps it in memory.

#include <cstdint>
#include <string>

struct BigEntry {
    // File position of the data block; 0 for an entry that has none yet.
    std::uint32_t offset = 0;
    // Length of the stored (possibly packed) data.
    std::uint32_t size = 0;
    // In the system code page, at most 259 bytes, as the directory holds it.
    std::string name;
    // The size announced by the data's packed header; 0 for raw data.
    std::uint32_t unpackedSize = 0;
    // File position of the entry's directory record; 0 before it has one.
    std::uint32_t recordPosition = 0;
};
