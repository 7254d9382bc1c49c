// Reads arbitrary bytes as country 14's file into a small world of named
// countries, its competitions through the competition factory as a load
// reads them, and runs both passes of the game export over it in memory.
// Whatever the readers accept must export without overrunning anything,
// and the writing pass must produce exactly the bytes the sizing pass
// counted; only a writer's reported failure may stop the export.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "core/Random.h"
#include "database/world/CompleteWorld.h"
#include "database/country/CountryFile.h"
#include "database/export/GameExport.h"
#include "database/world/WorldList.h"
#include "fuzz/FuzzWorld.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool installed = (InstallCompetitionFactory(), true);
    (void)installed;
    SetAppMessageSink({Silent, nullptr});
    CIndexTextFile file;
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(data, size), u"Country14.sav")) return 0;
    TCompleteWorld* world = fuzz_support::MakeCountriesWorld();
    if (!ReadCountrySections(*world->GetCountry(14), file)) return 0;
    CrtSrand(1);
    CMasterDatAssembler assembler(*world, TGameExportSettings{});
    assembler.CheckCountries();
    const std::vector<std::uint8_t> bytes = assembler.Assemble();
    if (bytes.empty() && !assembler.HasWriterFailure()) __builtin_trap();
    GetWorldList().SetCurrentWorld(nullptr);
    return 0;
}
