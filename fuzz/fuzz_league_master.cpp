// Loads arbitrary bytes as LeagueMaster.dat; a refused file must leave the
// tables as they were (here: none).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "database/country/LeagueMaster.h"
#include "platform/Platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_league_master");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    const std::vector<std::uint8_t> bytes(data, data + size);
    if (!platform::WriteFileAtomic(path, bytes)) return 0;
    TLeagueMaster master;
    const bool loaded = master.Load(path);
    for (int id = 0; id < TLeagueMaster::Countries; ++id) {
        if (!loaded && master.HasTable(id)) __builtin_trap();
    }
    return 0;
}
