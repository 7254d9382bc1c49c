// Decodes any input; inputs up to 64 KB that are not packed must also pack
// and decode back to themselves.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "archive/PackedData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    std::vector<std::uint8_t> output;
    if (Unpack(input, output) && output.size() != GetUnpackedSize(input)) std::abort();

    if (size == 0 || size > 0x10000 || IsPacked(input)) return 0;
    std::vector<std::uint8_t> packed;
    if (!Pack(input, packed)) std::abort();
    std::vector<std::uint8_t> back;
    if (!Unpack(packed, back) || back != std::vector<std::uint8_t>(data, data + size)) std::abort();
    return 0;
}
