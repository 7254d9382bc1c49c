// Reads arbitrary bytes as country 14's file into a world of named countries
// with the competition factory installed, as a load does, and saves it; the
// saved file is loaded and saved again. The second save must write the
// bytes of the first: whatever a save changes, it changes at the first. The
// first must name no competition the file did not: a record is never
// written as another competition.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"
#include "database/country/CountryFile.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "fuzz/FuzzCompetitions.h"
#include "fuzz/FuzzWorld.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

// A file of this process's own: fuzzing runs in parallel.
const std::u16string& SavePath()
{
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_country_saves");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    return path;
}

// Loads country 14 from the bytes into a new world and saves it; false when
// the file is refused.
bool LoadAndSave(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& saved)
{
    CIndexTextFile file;
    if (!file.OpenFromBytes(bytes, u"Country14.sav")) return false;
    TCompleteWorld* world = fuzz_support::MakeCountriesWorld();
    if (!ReadCountrySections(*world->GetCountry(14), file)) return false;
    world->TakeOutLeagueTeamsWithoutClub(14);
    BuildGameIdMaps(GetGameIdMaps());
    CIndexTextFile out;
    if (!out.OpenWrite(SavePath()) || !WriteCountrySections(*world->GetCountry(14), out) || !out.Close()) __builtin_trap();
    saved.clear();
    if (!platform::ReadWholeFile(SavePath(), saved)) __builtin_trap();
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool installed = (InstallCompetitionFactory(), true);
    (void)installed;
    SetAppMessageSink({Silent, nullptr});
    const std::span<const std::uint8_t> bytes(data, size);
    std::vector<std::uint8_t> first;
    if (!LoadAndSave(bytes, first)) return 0;
    if (!fuzz_support::NamesNoOtherCompetition(bytes, first, 14)) __builtin_trap();
    std::vector<std::uint8_t> second;
    if (!LoadAndSave(first, second) || second != first) __builtin_trap();
    GetWorldList().SetCurrentWorld(nullptr);
    return 0;
}
