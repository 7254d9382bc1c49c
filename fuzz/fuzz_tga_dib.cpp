// Any bytes as a TGA, in both modes: a picture comes out with consistent
// headers or nothing does.
#include <cstdint>
#include <cstdlib>

#include "archive/TgaDib.h"

namespace {

void Check(const TDibImage* image, int bitCount)
{
    if (image == nullptr) return;
    if (image->BitCount() != bitCount || DibFileSize(*image) != image->FileImage().size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Check(ConvertTgaToBmp24(data, size).get(), 24);
    Check(ConvertTgaAlphaToBmp8(data, size).get(), 8);
    return 0;
}
