// The container's unpacking of any bytes: never a crash, and a result of
// exactly the announced size.
#include <cstdint>
#include <cstdlib>

#include "archive/Fsh.h"
#include "archive/PackedData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMireloFsh fsh;
    CMireloFsh::Bytes out;
    if (fsh.UnpackBuffer({data, size}, out) && out.size() != GetUnpackedSize(data, size)) std::abort();
    return 0;
}
