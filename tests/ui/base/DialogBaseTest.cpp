#include <gtest/gtest.h>

#include <utility>

#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/skin/SkinBitmap.h"
#include "win/Gdi.h"
#include "win/Menu.h"

using gui_test::ItemText;
using gui_test::TestDialog;
using gui_test::WindowText;

namespace {

class DialogBaseTest : public testing::Test {
protected:
    void SetUp() override { gui_test::LoadTestTexts(); }
};

TEST_F(DialogBaseTest, TranslatesCaptionControlsAndMenuByKey)
{
    TestDialog dialog(IDD_TEST_TRANSLATE);
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND hwnd = dialog.Handle();
    // The prefixed key wins over the bare one; the popup gets the prefix.
    EXPECT_EQ(WindowText(hwnd), u"Editor - Test caption");
    const std::pair<int, const char16_t*> items[] = {
        {IDC_TEST_PREFIXED, u"Prefixed label"}, {IDC_TEST_BARE, u"Bare text"}, {IDC_TEST_GROUP, u"Bare text"},
        {IDC_TEST_MISSING, u"Missing.Key"}, {IDC_TEST_NOT_A_KEY, u"Plain words, not a key"}, {IDOK, u"OK"}};
    for (const auto& [id, text] : items) EXPECT_EQ(ItemText(hwnd, id), text) << id;

    HMENU menu = ::GetMenu(hwnd);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(win::CMenu::ItemText(menu, 0), u"File");
    HMENU file = ::GetSubMenu(menu, 0);
    EXPECT_EQ(win::CMenu::ItemText(file, 0), u"Open\tCtrl+O");
    EXPECT_EQ(win::CMenu::ItemText(file, 1), u"Menu.Unknown");
    EXPECT_TRUE(dialog.IsInitialised());
}

TEST_F(DialogBaseTest, GetTextFallsBackToBareKeyThenDefault)
{
    TestDialog dialog(IDD_TEST_TRANSLATE);
    EXPECT_EQ(std::u16string(dialog.GetText(u"Label")), u"Prefixed label");
    EXPECT_EQ(std::u16string(dialog.GetText(u"Bare.Key")), u"Bare text");
    EXPECT_EQ(std::u16string(dialog.GetText(u"No.Such.Key", u"fallback")), u"fallback");
    EXPECT_EQ(dialog.GetText(u"No.Such.Key", nullptr), nullptr);
    EXPECT_EQ(dialog.GetText(static_cast<const char16_t*>(nullptr), u"x"), std::u16string_view(u"x"));
}

TEST_F(DialogBaseTest, FilterTextTurnsHashesIntoBarsAndEndsInTwoBars)
{
    TestDialog dialog(IDD_TEST_TRANSLATE);
    char16_t buffer[64];
    auto filter = [&](const char16_t* key) {
        dialog.GetFilterText(key, buffer, 64);
        return std::u16string(buffer);
    };
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"No.Such.Key", u"||"}, {u"Filter.Two", u"Text files|*.txt||"}, {u"Filter.One", u"a||"},
        {u"Filter.OneBar", u"ab||"}, {u"Filter.TwoBars", u"ab||"}, {u"Filter.ThreeBars", u"ab|||"}};
    for (const auto& [key, expected] : cases) EXPECT_EQ(filter(key), expected);

    // A small buffer cuts the text but keeps the ending and the terminator.
    char16_t small[8];
    dialog.GetFilterText(u"Filter.Two", small, 8);
    EXPECT_EQ(std::u16string(small), u"Text ||");
}

TEST_F(DialogBaseTest, ChildPageIgnoresEnterAndEscape)
{
    TestDialog host(IDD_TEST_HOST);
    ASSERT_TRUE(host.Create(nullptr));
    TestDialog page(IDD_TEST_PAGE);
    ASSERT_TRUE(page.Create(host.Handle()));
    ::ShowWindow(page.Handle(), SW_SHOW);
    page.Send(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    page.Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(page.IsEnded());
    EXPECT_NE(page.GetStyle() & WS_VISIBLE, 0u);
    // A page has no caption and gets no prefix.
    EXPECT_EQ(WindowText(page.Handle()), u"");
}

TEST_F(DialogBaseTest, SameTemplateAsPopupClosesOnEscapeAndEnter)
{
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        TestDialog popup(IDD_TEST_PAGE);
        popup.SetTemplate(gui_test::LoadTemplateWithStyle(IDD_TEST_PAGE, WS_CHILD | DS_CONTROL, WS_POPUP | WS_CAPTION));
        gui_test::ModalDriver driver([&popup, key] {
            if (popup.Handle() == nullptr || !::IsWindowVisible(popup.Handle())) return false;
            HWND edit = ::GetDlgItem(popup.Handle(), IDC_PAGE_EDIT);
            ::SetFocus(edit);
            ::PostMessageW(edit, WM_KEYDOWN, key, 0);
            return true;
        });
        INT_PTR result = popup.DoModal(nullptr);
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(result, key == VK_ESCAPE ? IDCANCEL : IDOK);
    }
}

TEST_F(DialogBaseTest, PopupWithEmptyCaptionGetsNoPrefix)
{
    TestDialog dialog(IDD_TEST_NO_CAPTION);
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(WindowText(dialog.Handle()), u"");
    dialog.ApplyPopupPrefix(u"Retitled");
    EXPECT_EQ(WindowText(dialog.Handle()), u"Editor - Retitled");
    dialog.ApplyPopupPrefix(nullptr);
    EXPECT_EQ(WindowText(dialog.Handle()), u"Editor - ");
}

TEST_F(DialogBaseTest, MissingTemplateIsAFailedCall)
{
    TestDialog dialog(4242);
    EXPECT_FALSE(dialog.Create(nullptr));
    EXPECT_EQ(dialog.DoModal(nullptr), -1);
    win::CWindow window;
    EXPECT_FALSE(window.SubclassDlgItem(12345, ::GetDesktopWindow()));
}

TEST_F(DialogBaseTest, StaticsOnTheSkinAndCheckBoxesAreTransparentButEditsAreNot)
{
    TestDialog dialog(IDD_TEST_PAGE);
    dialog.SetTemplate(gui_test::LoadTemplateWithStyle(IDD_TEST_PAGE, WS_CHILD, WS_POPUP));
    ASSERT_TRUE(dialog.Create(nullptr));
    win::CDibSection skin;
    ASSERT_TRUE(skin.Create(64, 64));
    HDC dc = ::GetDC(dialog.Handle());
    HBRUSH nullBrush = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    // Without a skin a static fills itself with the face colour, as the dialog does.
    EXPECT_EQ(dialog.OnCtlColor(dc, dialog.GetItem(IDC_PAGE_STATIC), WM_CTLCOLORSTATIC), nullptr);
    SetSkinBitmap(skin.Get());
    EXPECT_EQ(dialog.OnCtlColor(dc, dialog.GetItem(IDC_PAGE_STATIC), WM_CTLCOLORSTATIC), nullBrush);
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    SetSkinBitmap(nullptr);
    EXPECT_EQ(dialog.OnCtlColor(dc, dialog.GetItem(IDC_PAGE_CHECK), WM_CTLCOLORBTN), nullBrush);
    EXPECT_EQ(dialog.OnCtlColor(dc, dialog.GetItem(IDC_PAGE_EDIT), WM_CTLCOLOREDIT), nullptr);
    EXPECT_EQ(dialog.OnCtlColor(dc, dialog.GetItem(IDOK), WM_CTLCOLORBTN), nullptr);
    ::ReleaseDC(dialog.Handle(), dc);
}

}  // namespace
