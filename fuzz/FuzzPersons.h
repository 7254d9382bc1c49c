#pragma once
// What a person's PLAYER or STAFF section writes, for the targets that
// compare persons by the file they make.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "database/person/Person.h"
#include "platform/Platform.h"

namespace fuzz_support {

inline std::vector<std::uint8_t> WrittenSection(const TPerson& person, bool staff)
{
    // A file of this process's own: fuzzing runs in parallel.
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_person");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    CIndexTextFile out;
    bool ok = out.OpenWrite(path);
    ok &= staff ? person.WriteStaff(out) : person.WritePlayer(out);
    std::vector<std::uint8_t> bytes;
    if (!ok || !out.Close() || !platform::ReadWholeFile(path, bytes)) __builtin_trap();
    return bytes;
}

inline TSectionRead ReadSection(TPerson& person, CIndexTextFile& file, bool staff)
{
    return staff ? person.ReadStaff(file) : person.ReadPlayer(file);
}

}  // namespace fuzz_support
