// Imports arbitrary bytes as a club file, persons included. An import that
// succeeds must export, and the exported file must import again; a failed
// import must leave the club as it was. Nothing may crash or overrun.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

TClub& FuzzClub()
{
    static TClub* club = [] {
        SetAppMessageSink({Silent, nullptr});
        TCountry* country = GetWorldList().CreateCompleteWorld()->GetCountry(14);
        return country->GetClubByUniqueId(country->CreateClub(u"Fuzz"));
    }();
    return *club;
}

// Files of this process's own: replays and fuzzing runs may overlap.
std::u16string TemporaryFile(const char16_t* prefix)
{
    return platform::CreateUniqueFile(platform::TemporaryFolder(), prefix);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TClub& club = FuzzClub();
    static const std::u16string input = TemporaryFile(u"fuzz_club_in");
    static const std::u16string output = TemporaryFile(u"fuzz_club_out");
    platform::File file;
    if (!file.Open(input, platform::File::Mode::Create) || !file.Write(data, size) || !file.Close()) return 0;
    const int persons = GetWorld()->GetPersonCount();
    if (!club.ImportClubFile(input)) {
        if (GetWorld()->GetPersonCount() != persons) __builtin_trap();
        return 0;
    }
    if (!club.ExportClubFile(output) || !club.ImportClubFile(output)) __builtin_trap();
    club.DeleteSquadPersons();
    return 0;
}
