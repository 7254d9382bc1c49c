// Loads arbitrary bytes as one of the eight reference list files (the
// first byte chooses the list's shape) or as the generic stadium list. No
// count line may make a list hold more than its size, and every lookup
// must stay inside the list.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "core/AppMessage.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Stadium.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

std::unique_ptr<CBaseTextFile> MakeList(std::uint8_t shape)
{
    switch (shape % 9) {
    case 0: return std::make_unique<CBaseTextFile>(9, true, true, true);
    case 1: return std::make_unique<CBaseTextFile>(6000, true, true, false, u"Common.NotAvailable"_tk);
    case 2: return std::make_unique<CTeamColourTextFile>(30);
    case 3: return std::make_unique<CTeamColourTextFile>(5);
    case 4: return std::make_unique<CBaseTextFile>(100, true, true, false, u"Common.NotAvailable"_tk);
    case 5: return std::make_unique<CBaseTextFile>(25, true, true, false);
    case 6: return std::make_unique<CBaseTextFile>(2000, true, true, false, u"Common.NotAvailable"_tk);
    case 7: return std::make_unique<CTeamColourTextFile>(16);
    default: return nullptr;
    }
}

void Check(const CBaseTextFile& list)
{
    if (list.GetCount() < 0 || list.GetCount() > list.GetMaxCount()) __builtin_trap();
    for (std::int32_t i = -1; i <= list.GetCount(); ++i) {
        if (list.GetText(i) == nullptr || (i < 64 && list.GetTextById(list.GetId(i)) == nullptr)) __builtin_trap();
        if (auto* colours = dynamic_cast<const CTeamColourTextFile*>(&list)) {
            if (colours->GetColour(i, 0) > 0xFFFFFF || colours->GetColour(i, 1) > 0xFFFFFF) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    SetAppMessageSink({Silent, nullptr});
    // The stadium list is read by its name from a folder: one of this
    // process's own, named after a file it created, as fuzzing runs in
    // parallel.
    static const std::u16string marker = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_reference_lists");
    static const std::u16string folder = marker + u".d";
    static const std::u16string path = platform::JoinPath(folder, u"StadiumList.txt");
    static const int removal = std::atexit([] {
        platform::RemoveTree(folder);
        platform::RemoveFile(marker);
    });
    (void)removal;
    platform::CreateFolders(folder);
    if (!platform::WriteFileAtomic(path, std::span<const std::uint8_t>(data + 1, size - 1))) return 0;
    std::unique_ptr<CBaseTextFile> list = MakeList(data[0]);
    if (list) {
        list->Load(path);
        Check(*list);
    } else {
        LoadStadiumList(folder);
        for (const StadiumListEntry& entry : GetStadiumList()) {
            if (entry.Flag > 1 || entry.Name[StadiumListEntry::NameCapacity - 1] != 0) __builtin_trap();
        }
    }
    return 0;
}
