// Any bytes as an FSH container: open, load, read every image, delete one
// and commit. Nothing may read outside the file or crash.
#include <cstdint>
#include <string>

#include "archive/Fsh.h"
#include "platform/Platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 0x40000) return 0;
    static const std::u16string path = platform::JoinPath(platform::TemporaryFolder(), u"fuzz_fsh_container.fsh");
    if (!platform::WriteFileAtomic(path, {data, size})) return 0;
    CMireloFsh fsh;
    fsh.messageCallback = [](const std::u16string&, int) {};
    if (!fsh.Open(path) || !fsh.Load()) return 0;
    for (int i = 0; i < fsh.GetCount(); ++i) {
        CMireloFshImage image;
        CMireloFsh::Bytes raw;
        fsh.GetImage(image, i);
        fsh.ReadImage(i, raw);
        for (int mode = 0; mode < 4; ++mode) fsh.GetImageSize(i, mode);
    }
    if (fsh.GetCount() > 0) fsh.DeleteImage(0);
    fsh.Flush();
    fsh.Close();
    return 0;
}
