// Loads arbitrary bytes as a towns file. Whatever loads must save, and
// saving what was loaded again must reach a fixed point: the second save
// equals the third.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "database/club/Towns.h"
#include "platform/Platform.h"

namespace {

std::vector<std::uint8_t> SaveAndReload(TTownList& towns, const std::u16string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!towns.SaveAs(path) || !platform::ReadWholeFile(path, bytes) || !towns.Load(path)) __builtin_trap();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Files of this process's own: fuzzing runs in parallel.
    static const std::u16string input = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_towns_in");
    static const std::u16string saved = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_towns_saved");
    static const int removal = std::atexit([] {
        platform::RemoveFile(input);
        platform::RemoveFile(saved);
    });
    (void)removal;
    if (!platform::WriteFileAtomic(input, std::span<const std::uint8_t>(data, size))) return 0;
    TTownList towns;
    if (!towns.Load(input)) return 0;
    for (int country = 0; country <= 208; ++country) {
        for (int index = -1; index <= towns.GetTownCount(country); ++index) {
            const TTown& town = towns.GetTown(country, index);
            if (town.Name[TTown::NameCapacity - 1] != 0 || town.Text2[TTown::Text2Capacity - 1] != 0) __builtin_trap();
            for (std::uint8_t digit : town.Digits1) {
                if (digit > 9) __builtin_trap();
            }
        }
    }
    SaveAndReload(towns, saved);
    const std::vector<std::uint8_t> second = SaveAndReload(towns, saved);
    if (SaveAndReload(towns, saved) != second) __builtin_trap();
    return 0;
}
