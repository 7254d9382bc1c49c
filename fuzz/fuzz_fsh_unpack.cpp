// The container's unpacking of any bytes: never a crash, and a result of
// exactly the size its header announces, whatever the stream produces.
#include <cstdint>
#include <cstdlib>

#include "archive/Fsh.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMireloFsh fsh;
    fsh.messageCallback = [](const std::u16string&, int) {};
    CMireloFsh::Bytes out;
    if (!fsh.UnpackBuffer({data, size}, out)) return 0;
    if (size < 5 || out.size() != (std::size_t{data[2]} << 16 | std::size_t{data[3]} << 8 | data[4])) std::abort();
    return 0;
}
