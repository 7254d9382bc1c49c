#pragma once
// The on-disk layout of a BIG archive's header and directory: "BIGF", the
// archive size (little-endian), the entry count and header length
// (big-endian), then per entry a big-endian offset and size and the
// zero-terminated name, three zero bytes and padding to 16.

#include <cstdint>
#include <vector>

#include "archive/BigEntry.h"
#include "platform/Platform.h"

namespace big_directory {

inline constexpr std::uint32_t HeaderBytes = 16;
inline constexpr std::size_t MaxNameLength = 259;

// The bytes of one entry's record: 9 + name length.
std::uint32_t RecordBytes(const BigEntry& entry);
// 16 + the sum of the record bytes + 3; 16 for an archive without entries.
std::uint32_t HeaderLength(std::size_t count, std::uint64_t recordBytes);
std::uint32_t HeaderLength(const std::vector<BigEntry>& entries);
// The header length raised to the next multiple of 16.
std::uint32_t PaddedEnd(const std::vector<BigEntry>& entries);

// Header, records, the three zero bytes and the padding, exactly
// PaddedEnd bytes (16 for an empty archive). Notes each record position.
std::vector<std::uint8_t> Build(std::vector<BigEntry>& entries, std::uint32_t archiveSize);

// Reads and validates the directory of an unpacked archive of the given
// length. Foreign archives may give the size big-endian and leave offsets 0
// (the first: right after the directory; later ones: behind the previous
// entry). Every block must lie inside the file.
bool Read(platform::File& file, std::int64_t length, std::vector<BigEntry>& entries);

}  // namespace big_directory
