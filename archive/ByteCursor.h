#pragma once
// Reads bytes of an image file held in memory without ever passing its end:
// every read says whether the bytes were there.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

class CByteCursor {
public:
    explicit CByteCursor(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t Remaining() const { return data_.size() - position_; }
    std::size_t Position() const { return position_; }
    bool AtEnd() const { return position_ >= data_.size(); }

    bool ReadByte(std::uint8_t& value)
    {
        if (AtEnd()) return false;
        value = data_[position_++];
        return true;
    }
    // Fewer bytes left than wanted: false, and the cursor at the end.
    bool Read(std::uint8_t* dest, std::size_t count)
    {
        if (count > Remaining()) {
            position_ = data_.size();
            return false;
        }
        if (count > 0) std::memcpy(dest, data_.data() + position_, count);
        position_ += count;
        return true;
    }
    // Moves on by count bytes; false (at the end) when fewer are left.
    bool Skip(std::size_t count)
    {
        if (count > Remaining()) {
            position_ = data_.size();
            return false;
        }
        position_ += count;
        return true;
    }
    // The next count bytes as a view, or empty when fewer are left.
    std::span<const std::uint8_t> Take(std::size_t count)
    {
        if (count > Remaining()) return {};
        auto part = data_.subspan(position_, count);
        position_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
};
