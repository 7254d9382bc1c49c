// Any bytes as an FSH container: open, load and read every image, put each
// through every conversion, the exports and a container of its own, then
// delete one image, add one and save. Nothing may read outside the file or
// crash, and every image that read cleanly reads the same after the save.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/ImageRoundTrip.h"

namespace {

struct ReadImage {
    std::string name;
    std::unique_ptr<CMireloFshImage> image;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 0x40000) return 0;
    static const fuzz_images::OwnFile input(u"fuzz_fsh_container");
    const std::u16string& path = input.path;
    static const fuzz_images::OwnFile own(u"fuzz_fsh_own");
    SetImageMessageHandler(fuzz_images::QuietImages);
    if (!platform::WriteFileAtomic(path, {data, size})) return 0;
    CMireloFsh fsh;
    bool quiet = true;
    fsh.messageCallback = [&quiet](const std::u16string&, int) { quiet = false; };
    if (!fsh.Open(path) || !fsh.Load()) return 0;

    // Images that read without any message, under names found once.
    std::vector<ReadImage> clean;
    int exercised = 0;
    for (int i = 0; i < fsh.GetCount(); ++i) {
        auto image = std::make_unique<CMireloFshImage>();
        CMireloFsh::Bytes raw;
        quiet = true;
        const bool read = fsh.GetImage(*image, i);
        fsh.ReadImage(i, raw);
        for (int mode = 0; mode < 4; ++mode) fsh.GetImageSize(i, mode);
        // A few images are enough to reach every conversion.
        if (read && exercised++ < 4) fuzz_images::Exercise(*image, own.path);
        const std::string name = fsh.GetDirEntry(i)->name;
        // Not the image deleted below, nor one the addition replaces.
        if (read && quiet && i > 0 && fsh.FindImage(name) == i && name.rfind('~', 0) != 0)
            clean.push_back({name, std::move(image)});
    }
    if (fsh.GetCount() == 0) return 0;
    fsh.DeleteImage(0);
    CMireloFshImage added;
    added.SetName("~new");
    added.SetPixels(0x7D, {1, 2, 3, 4}, 1, 1, false);
    fsh.AddImage(added);
    if (!fsh.Close()) return 0;

    CMireloFsh saved;
    fuzz_images::QuietContainer(saved);
    fuzz_images::Check(saved.Open(path));
    for (const ReadImage& before : clean) {
        CMireloFshImage after;
        fuzz_images::Check(saved.GetImage(after, before.name) && fuzz_images::SameImage(after, *before.image));
    }
    return 0;
}
