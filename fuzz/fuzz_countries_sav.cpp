// Reads arbitrary bytes as the world's country list. Whatever they hold,
// every country ends up with its id and national team, and names stay
// within their slots.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetAppMessageSink({Silent, nullptr});
    CIndexTextFile file;
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(data, size), u"Countries.sav")) return 0;
    TCompleteWorld world;
    world.LoadCountriesFrom(file);
    for (int id = 0; id <= TCompleteWorld::LastCountryId; ++id) {
        const TCountry* country = world.GetCountry(id);
        if (country->GetId() != id || country->GetNationalTeam() == nullptr) __builtin_trap();
        for (int language = 0; language < TCountry::LanguageCount; ++language) {
            if (TextLength(country->GetNameInLanguage(language)) >= TCountry::NameCapacity) __builtin_trap();
            if (TextLength(country->GetAbbreviationInLanguage(language)) >= TCountry::AbbreviationCapacity) __builtin_trap();
        }
    }
    return 0;
}
