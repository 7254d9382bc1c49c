#pragma once
// Reads a fuzz input as a stream of bytes and big-endian words; past the
// end every read gives 0.

#include <cstddef>
#include <cstdint>

namespace fuzz_bytes {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return position_ >= size_; }
    std::uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    std::uint32_t Word()
    {
        std::uint32_t value = 0;
        for (int n = 0; n < 4; ++n) value = value << 8 | Byte();
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace fuzz_bytes
