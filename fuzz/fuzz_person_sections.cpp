// Reads arbitrary bytes as a run of PLAYER or STAFF sections (the first
// byte chooses the kind and the file version). Every person read must
// write, and what it writes must read back to the same section.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "core/IndexTextFile.h"
#include "database/DatabaseVersion.h"
#include "database/Person.h"
#include "platform/Platform.h"

namespace {

constexpr std::uint32_t Versions[] = {1,
                                      MakeDatabaseVersion(0x2004, 0),
                                      MakeDatabaseVersion(0x2005, 0),
                                      MakeDatabaseVersion(0x2006, 0),
                                      MakeDatabaseVersion(0x2007, 0),
                                      MakeDatabaseVersion(0x2007, 12),
                                      MakeDatabaseVersion(0x2007, 21),
                                      TDatabaseVersion::ProgramVersion};

TSectionRead Read(TPerson& person, CIndexTextFile& file, bool staff)
{
    return staff ? person.ReadStaff(file) : person.ReadPlayer(file);
}

std::vector<std::uint8_t> Written(const TPerson& person, bool staff)
{
    // A file of this process's own: fuzzing runs in parallel.
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_person_sections");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    CIndexTextFile out;
    bool ok = out.OpenWrite(path);
    ok &= staff ? person.WriteStaff(out) : person.WritePlayer(out);
    std::vector<std::uint8_t> bytes;
    if (!ok || !out.Close() || !platform::ReadWholeFile(path, bytes)) __builtin_trap();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const bool staff = (data[0] & 1) != 0;
    const std::uint32_t version = Versions[(data[0] >> 1) % std::size(Versions)];
    CIndexTextFile file;
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(data + 1, size - 1), u"Country14.sav")) return 0;
    for (int n = 0; n < 16; ++n) {
        TDatabaseVersion::SetFileVersion(version);
        TPerson person(nullptr, 0);
        if (Read(person, file, staff) == TSectionRead::Missing) break;
        const std::vector<std::uint8_t> first = Written(person, staff);
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        CIndexTextFile again;
        TPerson reread(nullptr, 0);
        if (!again.OpenFromBytes(first, u"person") || Read(reread, again, staff) != TSectionRead::Read) {
            __builtin_trap();
        }
        if (Written(reread, staff) != first) __builtin_trap();
    }
    return 0;
}
