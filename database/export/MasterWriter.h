#pragma once
// The write stream of the game database "Master.dat": a 16-byte header and
// one block of data. The export runs its record writers twice through it: a
// sizing pass without a buffer that only counts bytes, then a writing pass
// into a buffer of exactly that size. Every write is bounds-checked, and the
// file replaces an existing one only when the whole block was written.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

class CMasterWriter {
public:
    static constexpr std::size_t HeaderSize = 16;

    CMasterWriter();
    CMasterWriter(const CMasterWriter&) = delete;
    CMasterWriter& operator=(const CMasterWriter&) = delete;

    void WriteU8(std::uint8_t value) { WriteBytes(&value, 1); }
    void WriteI8(std::int8_t value) { WriteU8(static_cast<std::uint8_t>(value)); }
    void WriteBool(bool value) { WriteU8(value ? 1 : 0); }
    void WriteU16(std::uint16_t value);
    void WriteU16Array(const std::uint16_t* values, std::size_t count);
    void WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }
    void WriteU32(std::uint32_t value);
    void WriteU32Array(const std::uint32_t* values, std::size_t count);
    void WriteU64(std::uint32_t low, std::uint32_t high);
    void WriteF32(float value);
    // percent x 0.01 computed in double and then made single, so that every
    // build writes the same bits (5 gives CD CC 4C 3D).
    void WritePercentFactor(int percent) { WriteF32(static_cast<float>(percent * 0.01)); }
    void WriteBytes(const void* data, std::size_t count);
    // The length as a u32, then the bytes.
    void WriteBlock(const void* data, std::size_t count);
    // The text in the game's 8-bit encoding with its terminating zero.
    void WriteString(std::u16string_view text);
    void AddSize(std::size_t count);

    // During the sizing pass the bytes counted so far, afterwards the total.
    std::uint32_t GetSize() const { return size_; }
    // No buffer yet: writes only count their bytes.
    bool IsSizingPass() const { return !buffer_; }
    // Ends the sizing pass in memory: allocates the buffer for the counted
    // size; false for a size of 0 or a failed allocation.
    bool Allocate();
    // The writing pass produced exactly the counted bytes.
    bool IsComplete() const { return buffer_ && !overrun_ && position_ == size_; }
    // The whole file, header with size and checksum first; empty unless
    // the writing pass is complete.
    std::vector<std::uint8_t> GetFileBytes();
    // Allocates the buffer for the counted size and opens the file; a size
    // of 0 fails and creates nothing.
    bool Open(std::u16string_view path);
    // Checksum, header and data to the file; fails when the writing pass
    // did not produce exactly the counted size.
    bool Flush();
    // Over the buffer's present content; 0 without a buffer.
    std::uint32_t Checksum() const;
    // Replaces the target with the flushed file; false when that fails.
    // Without a successful Flush the target stays untouched.
    bool Close();

    static std::uint32_t Checksum(const std::uint8_t* data, std::size_t count);

private:
    void StoreHeaderU32(std::size_t offset, std::uint32_t value);

    std::uint32_t position_ = 0;
    std::uint32_t size_ = 0;
    bool overrun_ = false;
    bool flushed_ = false;
    std::unique_ptr<std::uint8_t[]> buffer_;
    platform::AtomicFileWriter file_;
    std::uint8_t header_[HeaderSize] = {};
};
