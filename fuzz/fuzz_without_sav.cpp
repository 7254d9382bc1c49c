// Reads arbitrary bytes as Without.sav. Every player present is kept, each
// under an id of its own in the world; what was read must write, and what
// it writes must read again without damage into the same file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

std::vector<std::uint8_t> Written(const TPlayersWithoutClub& list)
{
    // A file of this process's own, so that parallel fuzzing (-jobs) never
    // shares it; removed when the process ends.
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_without_sav");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    CIndexTextFile out;
    std::vector<std::uint8_t> bytes;
    if (!out.OpenWrite(path) || !list.Write(out) || !out.Close() || !platform::ReadWholeFile(path, bytes)) {
        __builtin_trap();
    }
    return bytes;
}

void CheckEntriesAreTheWorldsPersons(const TCompleteWorld& world)
{
    const TPlayersWithoutClub& list = world.GetFreeAgents();
    if (list.GetCount() != world.GetPersonCount()) __builtin_trap();
    for (int index = 0; index < list.GetCount(); ++index) {
        const TPerson* person = list.GetPlayer(index);
        if (person == nullptr || world.GetPerson(person->GetId()) != person) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetAppMessageSink({Silent, nullptr});
    CIndexTextFile file;
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(data, size), u"Without.sav")) return 0;
    TCompleteWorld world;
    if (!world.GetFreeAgents().Read(file)) {
        if (world.GetFreeAgents().GetCount() != 0) __builtin_trap();
        return 0;
    }
    CheckEntriesAreTheWorldsPersons(world);
    const std::vector<std::uint8_t> first = Written(world.GetFreeAgents());

    CIndexTextFile again;
    TCompleteWorld reread;
    if (!again.OpenFromBytes(first, u"Without.sav") || !reread.GetFreeAgents().Read(again)) __builtin_trap();
    if (reread.GetFreeAgents().IsDamaged() || reread.GetFreeAgents().GetCount() != world.GetFreeAgents().GetCount()) {
        __builtin_trap();
    }
    if (Written(reread.GetFreeAgents()) != first) __builtin_trap();
    return 0;
}
