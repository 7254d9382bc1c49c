// Prepares arbitrary bytes as a country file's persons, the way a load
// does ahead of its reader, and checks every section that is taken over:
// the person must be what reading the section on the spot gives to a new
// person of a world, whose names and first language were drawn before,
// and the file must end up on the same line.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzPersons.h"
#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/person/Person.h"
#include "database/person/PreparedPersons.h"

using fuzz_support::ReadSection;
using fuzz_support::WrittenSection;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    CIndexTextFile prepared;
    CIndexTextFile direct;
    if (!prepared.OpenFromBytes(bytes, u"Country14.sav") || !direct.OpenFromBytes(bytes, u"Country14.sav")) return 0;
    CPreparedPersons persons;
    persons.Prepare(prepared);
    TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
    const CPreparedPersons::CInUse use(persons, &prepared);
    for (std::size_t position = 0;; ++position) {
        direct.SetLinePosition(position);
        if (direct.PeekLine() == nullptr) break;
        for (const bool staff : {false, true}) {
            prepared.SetLinePosition(position);
            TPerson taken(nullptr, 0);
            if (!CPreparedPersons::TakeInto(prepared, staff, taken)) continue;
            TPerson read(nullptr, 0);
            read.SetFirstName(u"Drawn");
            read.SetLastName(u"Name");
            read.SetLanguage(0, 9);
            direct.SetLinePosition(position);
            if (ReadSection(read, direct, staff) != TSectionRead::Read) __builtin_trap();
            if (direct.GetLinePosition() != prepared.GetLinePosition()) __builtin_trap();
            if (WrittenSection(taken, staff) != WrittenSection(read, staff)) __builtin_trap();
        }
    }
    return 0;
}
