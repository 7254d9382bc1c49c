// Imports arbitrary bytes as an assessment file through the editor's
// checked import. A refused file must change no country; an accepted one
// must export and import again to the same values.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/model/continent/AssessmentTable.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

std::vector<std::uint16_t> AllCoefficients(const TCompleteWorld& world)
{
    std::vector<std::uint16_t> values;
    for (int id = 0; id <= TCompleteWorld::LastCountryId; ++id) {
        for (int year = 1; year <= AssessmentTable::Years; ++year) values.push_back(world.GetCountry(id)->GetYearCoefficient(year));
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TCompleteWorld* world = [] {
        SetAppMessageSink({Silent, nullptr});
        return GetWorldList().CreateCompleteWorld();
    }();
    static const std::u16string input = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_assessment_in");
    static const std::u16string saved = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_assessment_out");
    static const int removal = std::atexit([] {
        platform::RemoveFile(input);
        platform::RemoveFile(saved);
    });
    (void)removal;
    if (!platform::WriteFileAtomic(input, std::span<const std::uint8_t>(data, size))) return 0;
    const std::vector<std::uint16_t> before = AllCoefficients(*world);
    if (!AssessmentTable::Import(*world, input)) {
        if (AllCoefficients(*world) != before) __builtin_trap();
        return 0;
    }
    const std::vector<std::uint16_t> imported = AllCoefficients(*world);
    if (!world->WriteAssessment(saved) || !AssessmentTable::Import(*world, saved)) __builtin_trap();
    if (AllCoefficients(*world) != imported) __builtin_trap();
    return 0;
}
