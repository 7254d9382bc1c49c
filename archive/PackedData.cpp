#include "archive/PackedData.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/CheckedSize.h"

namespace {

constexpr std::uint8_t Magic0 = 0x10;
constexpr std::uint8_t Magic1 = 0xFB;

// ---------------------------------------------------------------- decoding

// Without an output buffer it only follows the operations: how far the
// stream reaches does not depend on the bytes it produces.
class Decoder {
public:
    Decoder(std::span<const std::uint8_t> input, std::size_t start, std::uint8_t* output, std::size_t outputSize)
        : in_(input), out_(output), outSize_(outputSize), read_(start)
    {
    }

    // False on an operation that would read or write outside the buffers.
    bool Run()
    {
        while (read_ < in_.size()) {
            const std::uint8_t op = in_[read_];
            if (op >= 0xFC) return EndCode(op & 3);
            if (op >= 0xE0) {
                ++read_;
                if (!CopyLiterals((static_cast<std::size_t>(op & 0x1F) + 1) * 4)) return false;
            } else if (!BackReference(op)) {
                return false;
            }
        }
        return true;
    }

    std::size_t Written() const { return written_; }
    std::size_t Read() const { return read_; }

private:
    bool Has(std::size_t count) const { return checked_size::Fits(read_, count, in_.size()); }

    bool CopyLiterals(std::size_t count)
    {
        if (!Has(count) || !checked_size::Fits(written_, count, outSize_)) return false;
        if (out_ && count > 0) std::memcpy(out_ + written_, in_.data() + read_, count);
        read_ += count;
        written_ += count;
        return true;
    }

    // The end code's literals only count while the output still has room.
    bool EndCode(std::size_t literals)
    {
        ++read_;
        return written_ == outSize_ || CopyLiterals(literals);
    }

    bool BackReference(std::uint8_t op)
    {
        std::size_t literals, length, distance;
        if (op < 0x80) {
            if (!Has(2)) return false;
            const std::uint8_t b1 = in_[read_ + 1];
            literals = op & 3;
            length = ((op >> 2) & 7) + 3;
            distance = ((op >> 5) & 3) * 256 + b1 + 1;
            read_ += 2;
        } else if (op < 0xC0) {
            if (!Has(3)) return false;
            const std::uint8_t b1 = in_[read_ + 1], b2 = in_[read_ + 2];
            literals = b1 >> 6;
            length = (op & 0x3F) + 4;
            distance = (b1 & 0x3F) * 256 + b2 + 1;
            read_ += 3;
        } else {
            if (!Has(4)) return false;
            const std::uint8_t b1 = in_[read_ + 1], b2 = in_[read_ + 2], b3 = in_[read_ + 3];
            literals = op & 3;
            length = ((op >> 2) & 3) * 256 + b3 + 5;
            distance = ((op >> 4) & 1) * 65536 + b1 * 256 + b2 + 1;
            read_ += 4;
        }
        return CopyLiterals(literals) && CopyFromOutput(distance, length);
    }

    // Byte by byte when source and destination overlap: a short distance
    // repeats the last bytes.
    bool CopyFromOutput(std::size_t distance, std::size_t length)
    {
        if (distance > written_ || !checked_size::Fits(written_, length, outSize_)) return false;
        if (out_) {
            std::uint8_t* dest = out_ + written_;
            const std::uint8_t* src = dest - distance;
            if (distance >= length) {
                std::memcpy(dest, src, length);
            } else {
                for (std::size_t k = 0; k < length; ++k) dest[k] = src[k];
            }
        }
        written_ += length;
        return true;
    }

    std::span<const std::uint8_t> in_;
    std::uint8_t* out_;
    std::size_t outSize_;
    std::size_t read_;
    std::size_t written_ = 0;
};

// ---------------------------------------------------------------- encoding

class Encoder {
public:
    Encoder(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output)
        : in_(input), out_(output), head_(0x10000, NoPosition), chain_(ChainSize, NoPosition)
    {
    }

    void Run()
    {
        const std::size_t size = in_.size();
        out_.reserve(size + size / 112 + 16);
        out_ = {Magic0, Magic1, static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 8),
                static_cast<std::uint8_t>(size)};
        for (std::size_t i = 0; i < size; ++i) {
            const std::int32_t candidate = Insert(i);
            if (i < anchor_) continue;
            const Match match = FindLongest(i, candidate);
            if (IsUsable(match)) EmitMatch(i, match);
        }
        EmitLiteralRuns(size);
        const std::size_t rest = size - anchor_;
        out_.push_back(static_cast<std::uint8_t>(0xFC + rest));
        EmitLiterals(rest);
    }

private:
    static constexpr std::int32_t NoPosition = -1;
    static constexpr std::size_t ChainSize = 0x20000;
    static constexpr std::size_t Window = 0x20000;
    static constexpr int MaxCandidates = 50;
    static constexpr std::size_t MaxLength = 1028;

    struct Match {
        std::size_t length = 0;
        std::size_t distance = 0;
    };

    // Links position i into the table of its two leading bytes (a zero byte
    // stands in behind the last one) and returns the previous such position.
    std::int32_t Insert(std::size_t i)
    {
        const std::size_t second = i + 1 < in_.size() ? in_[i + 1] : 0;
        std::int32_t& slot = head_[(static_cast<std::size_t>(in_[i]) << 8) | second];
        const std::int32_t previous = slot;
        chain_[i & (ChainSize - 1)] = previous;
        slot = static_cast<std::int32_t>(i);
        return previous;
    }

    // Nearest first; a farther candidate wins only when strictly longer.
    // Matches count only up to the end of the input.
    Match FindLongest(std::size_t i, std::int32_t candidate) const
    {
        Match best;
        const std::size_t limit = std::min(MaxLength, in_.size() - i);
        if (limit < 3) return best;
        const std::uint8_t* here = in_.data() + i;
        for (int examined = 0; candidate != NoPosition && examined < MaxCandidates; ++examined) {
            const std::size_t c = static_cast<std::size_t>(candidate);
            if (i - c >= Window) break;
            const std::uint8_t* there = in_.data() + c;
            const std::int32_t next = chain_[c & (ChainSize - 1)];
            if (here[best.length] == there[best.length]) {
                const std::size_t length = MatchLength(here, there, limit);
                if (length > best.length) {
                    best = {length, i - c};
                    if (length == limit) break;
                }
            }
            candidate = next;
        }
        return best;
    }

    // Compares eight bytes at a time; the first differing byte ends it.
    static std::size_t MatchLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit)
    {
        std::size_t length = 0;
        while (length + 8 <= limit) {
            std::uint64_t x, y;
            std::memcpy(&x, a + length, 8);
            std::memcpy(&y, b + length, 8);
            if (x != y) {
                const std::uint64_t diff = x ^ y;
                if constexpr (std::endian::native == std::endian::little) {
                    return length + static_cast<std::size_t>(std::countr_zero(diff)) / 8;
                } else {
                    return length + static_cast<std::size_t>(std::countl_zero(diff)) / 8;
                }
            }
            length += 8;
        }
        while (length < limit && a[length] == b[length]) ++length;
        return length;
    }

    static bool IsUsable(const Match& match)
    {
        if (match.length < 3) return false;
        if (match.length == 3 && match.distance > 1024) return false;
        if (match.length == 4 && match.distance > 16384) return false;
        return true;
    }

    void EmitLiterals(std::size_t count)
    {
        out_.insert(out_.end(), in_.begin() + anchor_, in_.begin() + anchor_ + count);
        anchor_ += count;
    }

    void EmitLiteralRuns(std::size_t end)
    {
        while (end - anchor_ >= 4) {
            const std::size_t runs = std::min<std::size_t>((end - anchor_) / 4, 28);
            out_.push_back(static_cast<std::uint8_t>(0xE0 + runs - 1));
            EmitLiterals(runs * 4);
        }
    }

    void EmitMatch(std::size_t i, const Match& match)
    {
        EmitLiteralRuns(i);
        const std::size_t literals = i - anchor_;
        const std::size_t d = match.distance - 1;
        const std::size_t len = match.length;
        if (len <= 10 && match.distance <= 1024) {
            Put(((d >> 8) & 3) << 5 | (len - 3) << 2 | literals);
            Put(d);
        } else if (len <= 67 && match.distance <= 16384) {
            Put(0x80 | (len - 4));
            Put(literals << 6 | ((d >> 8) & 0x3F));
            Put(d);
        } else {
            Put(0xC0 | ((d >> 16) & 1) << 4 | ((len - 5) >> 8) << 2 | literals);
            Put(d >> 8);
            Put(d);
            Put(len - 5);
        }
        EmitLiterals(literals);
        anchor_ += len;
    }

    void Put(std::size_t byte) { out_.push_back(static_cast<std::uint8_t>(byte)); }

    std::span<const std::uint8_t> in_;
    std::vector<std::uint8_t>& out_;
    std::vector<std::int32_t> head_;
    std::vector<std::int32_t> chain_;
    std::size_t anchor_ = 0;
};

}  // namespace

bool IsPacked(const std::uint8_t* data, std::size_t size)
{
    return data != nullptr && size >= packed_data::HeaderSize && data[0] == Magic0 && data[1] == Magic1;
}

std::uint32_t GetUnpackedSize(const std::uint8_t* data, std::size_t size)
{
    if (!IsPacked(data, size)) return 0;
    return static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 8 | data[4];
}

bool Unpack(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output)
{
    const std::uint32_t size = GetUnpackedSize(input);
    if (size == 0) return false;
    std::vector<std::uint8_t> result(size);
    const packed_data::Decoded decoded = packed_data::DecodeOperations(input, packed_data::HeaderSize, result);
    if (decoded.written != size || !decoded.wellFormed) return false;
    output = std::move(result);
    return true;
}

packed_data::Decoded packed_data::DecodeOperations(std::span<const std::uint8_t> input, std::size_t start,
                                                   std::span<std::uint8_t> output)
{
    Decoder decoder(input, start, output.data(), output.size());
    const bool wellFormed = decoder.Run();
    return {decoder.Written(), decoder.Read(), wellFormed};
}

std::size_t packed_data::StreamEnd(std::span<const std::uint8_t> input, std::size_t start, std::size_t outputSize)
{
    Decoder decoder(input, start, nullptr, outputSize);
    decoder.Run();
    return std::min(decoder.Read(), input.size());
}

bool Pack(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output)
{
    if (input.empty() || input.size() > packed_data::MaxUnpackedSize || IsPacked(input)) return false;
    std::vector<std::uint8_t> result;
    Encoder(input, result).Run();
    output = std::move(result);
    return true;
}

bool Unpack(std::vector<std::uint8_t>& buffer)
{
    return Unpack(std::span<const std::uint8_t>(buffer), buffer);
}

bool Pack(std::vector<std::uint8_t>& buffer)
{
    return Pack(std::span<const std::uint8_t>(buffer), buffer);
}
