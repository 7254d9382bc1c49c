#pragma once
// Sizes, counts and offsets taken from a file are untrusted: their products
// are formed in 64 bits, and a result is refused when it passes a limit or
// the bytes that are actually there. Every reader of a file format asks
// here before it allocates or indexes anything.

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace checked_size {

// A limit that only rules out wrapping.
inline constexpr std::uint64_t NoLimit = UINT64_MAX;

// The product of the factors, or nothing when it (or any partial product)
// passes limit. An empty list gives 1.
std::optional<std::uint64_t> Product(std::initializer_list<std::uint64_t> factors, std::uint64_t limit = NoLimit);

// True when length bytes from offset lie within the first present bytes.
bool Fits(std::uint64_t offset, std::uint64_t length, std::uint64_t present);

// True when count records of recordSize bytes from offset lie within the
// first present bytes.
bool RecordsFit(std::uint64_t offset, std::uint64_t count, std::uint64_t recordSize, std::uint64_t present);

}  // namespace checked_size
