// Reads arbitrary bytes as a run of REFEREE, SPONSOR, STADIUM or MANAGER
// sections (the first byte chooses the kind and, for stadiums, the file
// version). Every record read must write, and what it writes must read
// back to the same section.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/person/Manager.h"
#include "database/club/Referee.h"
#include "database/club/Sponsor.h"
#include "database/club/Stadium.h"
#include "platform/Platform.h"

namespace {

constexpr std::uint32_t Versions[] = {1, MakeDatabaseVersion(0x2003, 0xFFFF), MakeDatabaseVersion(0x2004, 4),
                                      MakeDatabaseVersion(0x2007, 0), TDatabaseVersion::ProgramVersion};

struct TRecordKind {
    std::uint32_t version;
    int kind;
};

template <typename Record>
TSectionRead Read(Record& record, CIndexTextFile& file, TRecordKind kind)
{
    if constexpr (std::is_same_v<Record, TReferee>) return record.ReadReferee(file);
    if constexpr (std::is_same_v<Record, TSponsor>) return record.ReadSponsor(file);
    if constexpr (std::is_same_v<Record, TStadium>) return record.ReadStadium(file, kind.version);
    if constexpr (std::is_same_v<Record, TManager>) return record.ReadManager(file);
}

// A file of this process's own: fuzzing runs in parallel.
const std::u16string& ScratchPath()
{
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_country_records");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    return path;
}

template <typename Record>
std::vector<std::uint8_t> Written(const Record& record)
{
    const std::u16string& path = ScratchPath();
    CIndexTextFile out;
    bool ok = out.OpenWrite(path);
    if constexpr (std::is_same_v<Record, TReferee>) ok &= record.WriteReferee(out);
    if constexpr (std::is_same_v<Record, TSponsor>) ok &= record.WriteSponsor(out);
    if constexpr (std::is_same_v<Record, TStadium>) ok &= record.WriteStadium(out);
    if constexpr (std::is_same_v<Record, TManager>) ok &= record.WriteManager(out);
    std::vector<std::uint8_t> bytes;
    if (!ok || !out.Close() || !platform::ReadWholeFile(path, bytes)) __builtin_trap();
    return bytes;
}

template <typename Record>
void ReadAll(CIndexTextFile& file, TRecordKind kind)
{
    for (int n = 0; n < 64; ++n) {
        Record record;
        if (Read(record, file, kind) == TSectionRead::Missing) return;
        const std::vector<std::uint8_t> first = Written(record);
        CIndexTextFile again;
        Record reread;
        // What this program wrote is of its own version.
        const TRecordKind current{TDatabaseVersion::ProgramVersion, kind.kind};
        if (!again.OpenFromBytes(first, u"record") || Read(reread, again, current) != TSectionRead::Read) {
            __builtin_trap();
        }
        if (Written(reread) != first) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const TRecordKind kind{Versions[(data[0] >> 2) % std::size(Versions)], data[0] & 3};
    CIndexTextFile file;
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(data + 1, size - 1), u"Country14.sav")) return 0;
    switch (kind.kind) {
    case 0: ReadAll<TReferee>(file, kind); break;
    case 1: ReadAll<TSponsor>(file, kind); break;
    case 2: ReadAll<TStadium>(file, kind); break;
    default: ReadAll<TManager>(file, kind); break;
    }
    return 0;
}
