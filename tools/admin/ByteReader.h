#pragma once
// Reads little-endian values from a file's bytes; every read is checked
// against what is left, and a failed read leaves the reader failed.

#include <cstddef>
#include <cstdint>
#include <span>

class CByteReader {
public:
    explicit CByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ReadU8(std::uint8_t& value) { return ReadBytes(&value, 1); }
    bool ReadU32(std::uint32_t& value)
    {
        std::uint8_t raw[4];
        if (!ReadBytes(raw, 4)) return false;
        value = raw[0] | (raw[1] << 8) | (raw[2] << 16) | (static_cast<std::uint32_t>(raw[3]) << 24);
        return true;
    }
    bool ReadBytes(void* dest, std::size_t count)
    {
        if (failed_ || count > Remaining()) {
            failed_ = true;
            return false;
        }
        auto* out = static_cast<std::uint8_t*>(dest);
        for (std::size_t i = 0; i < count; ++i) out[i] = bytes_[position_ + i];
        position_ += count;
        return true;
    }
    // For a count that cannot fit in what is left.
    bool Fail()
    {
        failed_ = true;
        return false;
    }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    bool AtEnd() const { return position_ == bytes_.size(); }
    bool Failed() const { return failed_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};
