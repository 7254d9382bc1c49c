// Loads arbitrary bytes as Rules.sav, checks the values against an empty
// world and writes the game-database record in both passes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/export/MasterWriter.h"
#include "database/country/RulesAndMisc.h"
#include "platform/Platform.h"

namespace {

int Silent(const char16_t*, unsigned, void*)
{
    return AppMessage::IdOk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetAppMessageSink({Silent, nullptr});
    static const std::u16string path = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_rules");
    static const int removal = std::atexit([] { platform::RemoveFile(path); });
    (void)removal;
    if (!platform::WriteFileAtomic(path, std::vector<std::uint8_t>(data, data + size))) return 0;
    static TCompleteWorld world;
    TRulesAndMisc rules;
    rules.LoadRules(path);
    rules.CheckRules(world);
    if (rules.GetFurtherValue(5) < 0 || rules.GetFurtherValue(5) > 7) __builtin_trap();
    CMasterWriter writer;
    rules.WriteRulesBlock(writer);
    rules.WriteRulesBlock(writer);
    return 0;
}
