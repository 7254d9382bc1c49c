// BMP or TGA bytes (first byte chooses) imported, then converted to every
// format, scaled, exported and stored in a container and read back: nothing
// may read or write outside its data, and the container gives back what it
// was given.
#include <cstdint>
#include <span>

#include "fuzz/ImageRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 0x20000) return 0;
    static const fuzz_images::OwnFile container(u"fuzz_fsh_image");
    SetImageMessageHandler(fuzz_images::QuietImages);
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    CMireloFshImage source;
    const bool imported = data[0] & 1 ? source.ImportTga(file, u"f.tga") : source.ImportBmp(file, u"f.bmp");
    if (imported) fuzz_images::Exercise(source, container.path);
    return 0;
}
