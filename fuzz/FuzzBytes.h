#pragma once
// The fuzz input read as a stream of values that the model targets turn
// into operations; past its end every value reads as 0, so any input is a
// complete run.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace fuzz_support {

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data, size) {}
    bool Empty() const { return next_ >= data_.size(); }
    std::uint8_t U8() { return next_ < data_.size() ? data_[next_++] : 0; }
    std::int32_t I32()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | U8();
        return static_cast<std::int32_t>(value);
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t next_ = 0;
};

// Stops the run where a property the target checks does not hold.
inline void Require(bool condition)
{
    if (!condition) std::abort();
}

}  // namespace fuzz_support
