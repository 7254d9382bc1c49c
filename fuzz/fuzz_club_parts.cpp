// Reads arbitrary bytes as the KIT section or a RECORD section of a club,
// after an optional VERSION section that chooses the kit's layout. What
// reads must write, and what it writes must read back the same.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/files/IndexTextFile.h"
#include "database/club/ClubRecord.h"
#include "database/world/DatabaseVersion.h"
#include "database/club/Kit.h"
#include "platform/Platform.h"

namespace {

template <typename Record, typename Read, typename Write>
void RoundTrip(CIndexTextFile& file, Read read, Write write)
{
    Record record;
    if (!(record.*read)(file)) return;
    // A file of this process's own: replays and fuzzing runs may overlap.
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_club_parts");
    CIndexTextFile out;
    if (!out.OpenWrite(path) || !WriteVersion(out) || !(record.*write)(out) || !out.Close()) __builtin_trap();
    CIndexTextFile again;
    Record reread;
    if (!again.OpenRead(path) || !ReadVersion(again) || !(reread.*read)(again) || !(reread == record)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    CIndexTextFile file;
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(data + 1, size - 1), u"club")) return 0;
    if (!ReadVersion(file)) return 0;
    if (data[0] & 1) {
        RoundTrip<TKit>(file, &TKit::ReadKit, &TKit::WriteKit);
    } else {
        RoundTrip<TClubRecord>(file, &TClubRecord::ReadClubRecord, &TClubRecord::WriteClubRecord);
    }
    return 0;
}
