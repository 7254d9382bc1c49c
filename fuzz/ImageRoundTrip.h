#pragma once
// What the image fuzz targets do with every image they manage to read:
// convert it to every type, scale it, export it as BMP and TGA, and store it
// in a container of this process's own and read it back. A crash, a
// sanitizer report or an image that does not come back as it was stored
// stops the run.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "archive/Fsh.h"
#include "archive/FshImage.h"
#include "platform/Platform.h"

namespace fuzz_images {

inline void QuietImages(const char16_t*, int) {}
inline void QuietContainer(CMireloFsh& fsh) { fsh.messageCallback = [](const std::u16string&, int) {}; }

// A file in the temporary folder that no other process uses, so parallel
// runs of a target (-jobs, or two at once) never share one; removed when the
// process ends.
struct OwnFile {
    explicit OwnFile(std::u16string_view prefix) : path(platform::CreateUniqueFile(platform::TemporaryFolder(), prefix)) {}
    ~OwnFile() { platform::RemoveFile(path); }
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;
    const std::u16string path;
};

inline void Check(bool condition)
{
    if (!condition) std::abort();
}

inline bool SameImage(const CMireloFshImage& a, const CMireloFshImage& b)
{
    if (a.GetType() != b.GetType() || a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight() ||
        a.GetData() != b.GetData())
        return false;
    return !a.HasPalette() || (a.GetPaletteType() == b.GetPaletteType() && a.GetPaletteCount() == b.GetPaletteCount() &&
                               a.GetPaletteData() == b.GetPaletteData());
}

// Stores the images in a new container and reads them back.
inline void StoreAndReadBack(const std::vector<std::unique_ptr<CMireloFshImage>>& images, const std::u16string& path)
{
    platform::RemoveFile(path);
    {
        CMireloFsh fsh;
        QuietContainer(fsh);
        Check(fsh.Open(path, CMireloFsh::Create));
        for (const auto& image : images) fsh.AddImage(*image);
        Check(fsh.Close());
    }
    CMireloFsh fsh;
    QuietContainer(fsh);
    Check(fsh.Open(path));
    for (const auto& image : images) {
        CMireloFshImage back;
        Check(fsh.GetImage(back, image->GetName()) && SameImage(back, *image));
    }
}

inline void Export(const CMireloFshImage& image)
{
    CMireloFshImage::Bytes file;
    image.ExportBmp(file, u"o.bmp");
    image.ExportTga(file, u"o.tga");
}

// Images of more pixels than this are only read: the conversions would take
// the fuzzer's time without reaching new code.
inline constexpr std::uint32_t MaxExercisedPixels = 0x1000;

inline void Exercise(const CMireloFshImage& source, const std::u16string& containerPath)
{
    if (std::uint32_t{source.GetWidth()} * source.GetHeight() > MaxExercisedPixels) return;
    static constexpr std::uint8_t types[] = {0x6D, 0x78, 0x7A, 0x7B, 0x7D, 0x7E, 0x7F};
    static constexpr std::uint8_t palettes[] = {0x23, 0x24, 0x29, 0x2A, 0x2C, 0x2D, 0x2E};
    static constexpr const char* names[] = {"fz0", "fz1", "fz2", "fz3", "fz4", "fz5", "fz6"};
    Export(source);
    std::vector<std::unique_ptr<CMireloFshImage>> converted;
    // The image as it was read goes back into a container too.
    if (CMireloFsh::CanStore(source)) {
        auto own = std::make_unique<CMireloFshImage>();
        own->CopyFrom(source);
        own->SetName("fzs");
        converted.push_back(std::move(own));
    }
    for (std::size_t i = 0; i < sizeof types; ++i) {
        auto image = std::make_unique<CMireloFshImage>();
        image->CopyFrom(source);
        image->SetName(names[i]);
        if (!image->Convert(types[i], palettes[i])) continue;
        image->SetPacked(i % 2 == 0);
        image->SetPalettePacked(i % 3 == 0);
        Export(*image);
        CMireloFshImage scaled;
        scaled.CopyFrom(*image);
        if (scaled.Scale(image->GetWidth() / 2 + 1, image->GetHeight() + 3)) Export(scaled);
        if (CMireloFsh::CanStore(*image)) converted.push_back(std::move(image));
    }
    if (!converted.empty()) StoreAndReadBack(converted, containerPath);
}

}  // namespace fuzz_images
