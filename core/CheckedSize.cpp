#include "core/CheckedSize.h"

namespace checked_size {

std::optional<std::uint64_t> Product(std::initializer_list<std::uint64_t> factors, std::uint64_t limit)
{
    std::uint64_t product = 1;
    for (std::uint64_t factor : factors) {
        if (factor != 0 && product > limit / factor) return std::nullopt;
        product *= factor;
    }
    if (product > limit) return std::nullopt;
    return product;
}

bool Fits(std::uint64_t offset, std::uint64_t length, std::uint64_t present)
{
    return offset <= present && length <= present - offset;
}

bool RecordsFit(std::uint64_t offset, std::uint64_t count, std::uint64_t recordSize, std::uint64_t present)
{
    if (offset > present) return false;
    const auto length = Product({count, recordSize}, present - offset);
    return length.has_value();
}

}  // namespace checked_size
