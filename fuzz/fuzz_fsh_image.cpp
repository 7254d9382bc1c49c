// BMP or TGA bytes (first byte chooses) imported, converted to every format
// and scaled: nothing may read or write outside its data.
#include <cstdint>
#include <span>

#include "archive/FshImage.h"

namespace {
void Quiet(const char16_t*, int) {}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 0x20000) return 0;
    SetImageMessageHandler(Quiet);
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    CMireloFshImage source;
    const bool imported = data[0] & 1 ? source.ImportTga(file, u"f.tga") : source.ImportBmp(file, u"f.bmp");
    if (!imported || std::uint32_t{source.GetWidth()} * source.GetHeight() > 0x4000) return 0;
    static constexpr std::uint8_t types[] = {0x6D, 0x78, 0x7A, 0x7B, 0x7D, 0x7E, 0x7F};
    static constexpr std::uint8_t palettes[] = {0x23, 0x24, 0x29, 0x2A, 0x2C, 0x2D, 0x2E};
    for (std::size_t i = 0; i < sizeof types; ++i) {
        CMireloFshImage image;
        image.CopyFrom(source);
        image.Convert(types[i], palettes[i]);
        image.Scale(image.GetWidth() / 2 + 1, image.GetHeight() + 3);
        CMireloFshImage::Bytes out;
        image.ExportBmp(out, u"o.bmp");
        image.ExportTga(out, u"o.tga");
    }
    return 0;
}
