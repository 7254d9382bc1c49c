// Reads arbitrary bytes as country 14's file into a small world of named
// countries and runs both passes of the game export over it in memory.
// Whatever the readers accept must export without overrunning anything,
// and the writing pass must produce exactly the bytes the sizing pass
// counted; only a writer's reported failure may stop the export.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/AppMessage.h"
#include "core/IndexTextFile.h"
#include "core/Random.h"
#include "database/CompleteWorld.h"
#include "database/CountryFile.h"
#include "database/GameExport.h"
#include "database/WorldList.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

// Countries.sav of countries named after their ids.
std::string CountryList()
{
    std::string text = "Countries Version: 3\r\n";
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        const std::string n = std::to_string(id);
        text += "Land " + n + ",Country " + n + ",Pays " + n + ",Pais " + n + ",Paese " + n + ",Kraj " + n;
        text += "\r\nL" + n.substr(0, 2) + ",C" + n.substr(0, 2) + "\r\n1,2,3,4,5,6\r\n";
        text += std::to_string((id - 1) % 6) + "\r\n" + std::to_string(id % 63) + "\r\n7\r\n3\r\n";
    }
    return text;
}

TCompleteWorld* MakeWorld()
{
    static const std::string list = CountryList();
    GetWorldList().Clear();
    auto world = std::make_unique<TCompleteWorld>();
    CIndexTextFile file;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(list.data());
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(bytes, list.size()), u"Countries.sav")) __builtin_trap();
    world->LoadCountriesFrom(file);
    static std::unique_ptr<TCompleteWorld> held;
    held = std::move(world);
    GetWorldList().SetCurrentWorld(held.get());
    return held.get();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetAppMessageSink({Silent, nullptr});
    CIndexTextFile file;
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(data, size), u"Country14.sav")) return 0;
    TCompleteWorld* world = MakeWorld();
    if (!ReadCountrySections(*world->GetCountry(14), file)) return 0;
    CrtSrand(1);
    CMasterDatAssembler assembler(*world, TGameExportSettings{});
    assembler.CheckCountries();
    const std::vector<std::uint8_t> bytes = assembler.Assemble();
    if (bytes.empty() && !assembler.HasWriterFailure()) __builtin_trap();
    GetWorldList().SetCurrentWorld(nullptr);
    return 0;
}
