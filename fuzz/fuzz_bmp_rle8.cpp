// BMP RLE8 packets read one after another until the input ends.
#include <cstdint>
#include <cstdlib>

#include "archive/TgaDib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CByteCursor input({data, size});
    std::uint8_t bytes[255];
    std::uint8_t count = 0;
    BmpRle8Status status{};
    std::size_t before = input.Position();
    while (ReadBmpRle8Packet(input, count, status, bytes)) {
        if (input.Position() <= before || (status != BmpRle8Status::Data && count != 0)) std::abort();
        before = input.Position();
    }
    if (count != 0) std::abort();
    return 0;
}
