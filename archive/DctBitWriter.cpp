#include "archive/DctBitWriter.h"

void CDctBitWriter::WriteBits(int count, std::uint32_t value)
{
    for (int bit = count - 1; bit >= 0; --bit) {
        accumulator_ = accumulator_ << 1 | ((value >> bit) & 1u);
        if (++used_ == 32) StoreWord();
    }
}

void CDctBitWriter::Flush()
{
    if (used_ == 0) return;
    accumulator_ <<= 32 - used_;
    StoreWord();
}

void CDctBitWriter::StoreWord()
{
    for (int k = 0; k < 4; ++k) output_.push_back(static_cast<std::uint8_t>(accumulator_ >> (8 * k)));
    accumulator_ = 0;
    used_ = 0;
    ++words_;
}
