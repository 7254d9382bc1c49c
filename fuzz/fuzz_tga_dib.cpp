// Any bytes as a TGA, in both modes: a picture comes out with consistent
// headers or nothing does. The picture, a BMP file image, is then imported
// as an image and put through every conversion, the exports and a container.
#include <cstdint>

#include "archive/TgaDib.h"
#include "fuzz/ImageRoundTrip.h"

namespace {

void Check(const TDibImage* image, int bitCount)
{
    if (image == nullptr) return;
    fuzz_images::Check(image->BitCount() == bitCount && DibFileSize(*image) == image->FileImage().size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz_images::OwnFile container(u"fuzz_tga_dib");
    SetImageMessageHandler(fuzz_images::QuietImages);
    const auto picture = ConvertTgaToBmp24(data, size);
    Check(picture.get(), 24);
    const auto alpha = ConvertTgaAlphaToBmp8(data, size);
    Check(alpha.get(), 8);
    for (const TDibImage* dib : {picture.get(), alpha.get()}) {
        if (dib == nullptr ||
            std::uint64_t(dib->Width()) * static_cast<std::uint32_t>(dib->Height()) > fuzz_images::MaxExercisedPixels)
            continue;
        CMireloFshImage image;
        // Our own BMP file images always import.
        fuzz_images::Check(image.ImportBmp(dib->FileImage(), u"t.bmp"));
        fuzz_images::Exercise(image, container.path);
    }
    return 0;
}
