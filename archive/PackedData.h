#pragma once
// The program's packed-data format: a byte-oriented LZ77 code behind the
// header 10 FB and a 24-bit big-endian unpacked size. Entries of BIG
// archives, whole archives and FSH images are stored in it.
//
// The two-argument forms are the codec itself: they read only the given
// span and fill output only on success. The one-argument forms keep the
// caller's buffer unchanged unless they succeed, then replace it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace packed_data {
inline constexpr std::size_t HeaderSize = 5;
// The size field has 24 bits; larger inputs cannot be described.
inline constexpr std::size_t MaxUnpackedSize = 0xFFFFFF;

struct Decoded {
    std::size_t written = 0;
    // Where in the input decoding stopped.
    std::size_t read = 0;
    bool wellFormed = false;
};
// Decodes the operations that begin at start into output, which has the
// announced size. Stops at the end code, at the input's end or at the first
// operation that would read or write outside the buffers (not well formed).
Decoded DecodeOperations(std::span<const std::uint8_t> input, std::size_t start, std::span<std::uint8_t> output);
// Where DecodeOperations would stop reading for an output of outputSize
// bytes, found without producing them.
std::size_t StreamEnd(std::span<const std::uint8_t> input, std::size_t start, std::size_t outputSize);
}  // namespace packed_data

// True when the buffer holds at least a header and begins 10 FB.
bool IsPacked(const std::uint8_t* data, std::size_t size);
inline bool IsPacked(std::span<const std::uint8_t> data) { return IsPacked(data.data(), data.size()); }

// The size the header announces; 0 when the data is not packed.
std::uint32_t GetUnpackedSize(const std::uint8_t* data, std::size_t size);
inline std::uint32_t GetUnpackedSize(std::span<const std::uint8_t> data)
{
    return GetUnpackedSize(data.data(), data.size());
}

// Fails on anything that is not a well-formed stream producing exactly the
// announced size.
bool Unpack(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output);
// Refuses empty input, input that is already packed and input of more than
// MaxUnpackedSize bytes.
bool Pack(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output);

bool Unpack(std::vector<std::uint8_t>& buffer);
bool Pack(std::vector<std::uint8_t>& buffer);
