// Drives the towns editor over arbitrary bytes as a towns file: load, show
// and store every town, advance its article and phrase, save and reload.
// A store must keep the town's names unique in its country, and a town
// shown and stored unchanged must stay as it was.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "editors/country_club/model/continent/TownEditor.h"
#include "platform/Platform.h"

namespace {

void CycleCountry(TownEditor& editor, int country)
{
    editor.SetCountry(country);
    for (int index = 0; index < editor.List().GetTownCount(country); ++index) {
        editor.SelectTown(index);
        const TTown before = editor.GetCurrent();
        if (editor.Store(TownEditor::ToControls(before)) != TownEditor::StoreResult::Stored) __builtin_trap();
        if (!(editor.GetCurrent() == before)) __builtin_trap();
        editor.AdvanceArticle(index % 6, 1 + index % 8);
        editor.AdvancePhrase(index % 6, 1 + index % 7);
        if (TownEditor::ArticleIndex(editor.GetCurrent(), index % 6, 1 + index % 8) >= 1 + index % 8) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::u16string input = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_town_editor_in");
    static const std::u16string saved = platform::CreateUniqueFile(platform::TemporaryFolder(), u"fuzz_town_editor_saved");
    static const int removal = std::atexit([] {
        platform::RemoveFile(input);
        platform::RemoveFile(saved);
    });
    (void)removal;
    if (!platform::WriteFileAtomic(input, std::span<const std::uint8_t>(data, size))) return 0;
    TownEditor editor;
    if (!editor.Load(input)) return 0;
    for (int country = TTownList::FirstCountry; country <= TTownList::LastCountry; ++country) {
        if (editor.List().GetTownCount(country) > 0) CycleCountry(editor, country);
    }
    if (!editor.List().SaveAs(saved) || !editor.Load(saved) || !editor.Merge(saved)) __builtin_trap();
    if (editor.HasChanges()) __builtin_trap();
    return 0;
}
