// Every dialog template of the program, opened as the dialog base opens it
// (each text looked up behind the key prefix its .rc names) in each of the
// six languages of the shipped localisation file: every control inside its
// parent, no two shown controls on top of each other, and every text whole
// in the control's own font. Texts set while a dialog runs are checked by
// the tests of each dialog in the states that show them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "TemplatePrefixes.h"
#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/DialogB.h"

namespace {

class TemplateDialog : public CDialogB {
public:
    TemplateDialog(UINT templateId, const char16_t* prefix) : CDialogB(templateId), prefix_(prefix) {}
    const char16_t* GetTextKeyPrefix() const override { return prefix_; }

private:
    const char16_t* prefix_;
};

BOOL CALLBACK AddTemplate(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<UINT>*>(found)->push_back(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

std::vector<UINT> ProgramTemplates()
{
    std::vector<UINT> ids;
    ::EnumResourceNamesW(::GetModuleHandleW(nullptr), RT_DIALOG, AddTemplate, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

const TTemplatePrefix* FindPrefix(UINT id)
{
    for (const TTemplatePrefix& entry : TemplatePrefixes) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

// Every template of the program is an extended one, whose style lies at
// offset 12.
bool IsChildTemplate(UINT id)
{
    const std::vector<BYTE> bytes = gui_test::LoadTemplateWithStyle(id, 0, 0);
    DWORD style = 0;
    if (bytes.size() >= 16) std::memcpy(&style, bytes.data() + 12, sizeof(style));
    return (style & WS_CHILD) != 0;
}

class TemplateLayout : public testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        // The licence text's template holds a rich edit.
        ::LoadLibraryW(L"riched20.dll");
        const std::u16string path = testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt");
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(path.c_str()));
    }
    void TearDown() override { CTextManager::Instance()->SetLanguage(CTextManager::English); }
};

// Opens every template of the program in the language of the test, a page
// as a child of a window of its own, and hands it to look.
void OpenEachTemplate(const std::function<void(const TTemplatePrefix&, HWND)>& look)
{
    const std::vector<UINT> ids = ProgramTemplates();
    ASSERT_EQ(ids.size(), std::size(TemplatePrefixes));
    HWND host = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1200, 900, nullptr, nullptr, nullptr, nullptr);
    for (const UINT id : ids) {
        const TTemplatePrefix* entry = FindPrefix(id);
        if (entry == nullptr || entry->prefix[0] == 0) {
            ADD_FAILURE() << "template " << id << " has no key prefix line in its .rc";
            continue;
        }
        TemplateDialog dialog(id, entry->prefix);
        ASSERT_TRUE(dialog.Create(IsChildTemplate(id) ? host : nullptr)) << entry->name;
        look(*entry, dialog.Handle());
        dialog.Destroy();
    }
    ::DestroyWindow(host);
}

TEST_P(TemplateLayout, EveryTemplateShowsEveryControlApartAndEveryTextWhole)
{
    CTextManager::Instance()->SetLanguage(GetParam());
    OpenEachTemplate([](const TTemplatePrefix& entry, HWND dialog) { gui_test::ExpectWholeLayout(dialog, entry.name); });
}

// A window wider or taller than a 1024 x 768 screen hides its far side, and
// with it controls and often the close box, from a user of such a screen.
// Every window but the splash, which takes its 420 x 240 picture's size,
// keeps its template's size; a page shows inside a window whose own
// template is looked at here.
TEST_P(TemplateLayout, EveryWindowFitsA1024By768Screen)
{
    CTextManager::Instance()->SetLanguage(GetParam());
    OpenEachTemplate([](const TTemplatePrefix& entry, HWND dialog) {
        if ((::GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) != 0) return;
        RECT window{};
        ::GetWindowRect(dialog, &window);
        EXPECT_LE(window.right - window.left, 1024) << entry.name;
        EXPECT_LE(window.bottom - window.top, 768) << entry.name;
    });
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, TemplateLayout, testing::Range(0, CTextManager::LanguageCount),
                         [](const testing::TestParamInfo<int>& info) { return gui_test::LanguageName(info.param); });

}  // namespace
