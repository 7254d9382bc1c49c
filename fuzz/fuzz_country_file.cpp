// Reads arbitrary bytes as a country file (its VERSION and DATE sections
// included), its competitions through the competition factory as a load
// reads them. A file that reads, damaged or not, must write, and what it
// writes must read again without damage and name no competition the file
// did not; nothing may crash or overrun.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "competition/CompetitionFactory.h"
#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "database/country/Country.h"
#include "database/country/CountryFile.h"
#include "database/world/Date.h"
#include "fuzz/FuzzCompetitions.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

void PrepareCountry(TCountry& country)
{
    country.SetId(14);
    country.Reset();
    country.SetNameInLanguage(0, u"England");
    country.CreateNationalTeam();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool installed = (InstallCompetitionFactory(), true);
    (void)installed;
    SetAppMessageSink({Silent, nullptr});
    const std::span<const std::uint8_t> bytes(data, size);
    CIndexTextFile file;
    if (!file.OpenFromBytes(bytes, u"Country14.sav")) return 0;
    TDate date;
    date.ReadPlain(file);
    file.OpenFromBytes(bytes, u"Country14.sav");
    TCountry country;
    PrepareCountry(country);
    if (!ReadCountrySections(country, file)) return 0;

    // A file of this process's own, so that parallel fuzzing (-jobs) never
    // shares it; removed when the process ends.
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_country_file");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    CIndexTextFile out;
    if (!out.OpenWrite(path) || !WriteCountrySections(country, out) || !out.Close()) __builtin_trap();
    std::vector<std::uint8_t> written;
    if (!platform::ReadWholeFile(path, written) || !fuzz_support::NamesNoOtherCompetition(bytes, written, 14)) __builtin_trap();
    CIndexTextFile again;
    TCountry reread;
    PrepareCountry(reread);
    if (!again.OpenRead(path) || !ReadCountrySections(reread, again) || reread.IsDamaged()) __builtin_trap();
    return 0;
}
