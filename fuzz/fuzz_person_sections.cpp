// Reads arbitrary bytes as a run of PLAYER or STAFF sections (the first
// byte chooses the kind and the file version). Every person read must
// write, and what it writes must read back to the same section.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "FuzzPersons.h"
#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/person/Person.h"

using fuzz_support::ReadSection;
using fuzz_support::WrittenSection;

namespace {

constexpr std::uint32_t Versions[] = {1,
                                      MakeDatabaseVersion(0x2004, 0),
                                      MakeDatabaseVersion(0x2005, 0),
                                      MakeDatabaseVersion(0x2006, 0),
                                      MakeDatabaseVersion(0x2007, 0),
                                      MakeDatabaseVersion(0x2007, 12),
                                      MakeDatabaseVersion(0x2007, 21),
                                      TDatabaseVersion::ProgramVersion};

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
        if (ReadSection(person, file, staff) == TSectionRead::Missing) break;
        const std::vector<std::uint8_t> first = WrittenSection(person, staff);
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        CIndexTextFile again;
        TPerson reread(nullptr, 0);
        if (!again.OpenFromBytes(first, u"person") || ReadSection(reread, again, staff) != TSectionRead::Read) {
            __builtin_trap();
        }
        if (WrittenSection(reread, staff) != first) __builtin_trap();
    }
    return 0;
}
