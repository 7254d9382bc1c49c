#pragma once
// The DCT encoder's bit stream: bits enter a 32-bit word most significant
// first, and each full word is stored least significant byte first.

#include <cstddef>
#include <cstdint>
#include <vector>

class CDctBitWriter {
public:
    explicit CDctBitWriter(std::vector<std::uint8_t>& output) : output_(output) {}

    // The low count bits of value, from bit count - 1 down to bit 0.
    void WriteBits(int count, std::uint32_t value);
    // Pads the last word with zero bits and stores it.
    void Flush();
    std::size_t BitCount() const { return words_ * 32 + used_; }

private:
    void StoreWord();

    std::vector<std::uint8_t>& output_;
    std::uint32_t accumulator_ = 0;
    int used_ = 0;
    std::size_t words_ = 0;
};
