#include <gtest/gtest.h>

#include <string>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/lists/LocaleListCtrl.h"
#include "win/WideText.h"

namespace {

class LocaleGrid : public testing::Test {
protected:
    void SetUp() override
    {
        gui_test::LoadTestTexts();
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        ASSERT_TRUE(dialog.Create(nullptr));
        ASSERT_TRUE(grid.SubclassDlgItem(IDC_LOCALE_GRID, dialog));
        ::SetWindowPos(dialog.Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetForegroundWindow(dialog.Handle());
        for (const char16_t* key : {u"Dialog.Control.LocaleListCtrl.Name", u"Common.NotAvailable", u"Database.Folder"})
            slots.push_back(grid.AddRow(key, 29));
    }
    void TearDown() override
    {
        dialog.Destroy();
        gui_test::LoadTestTexts();
    }
    void Click(int row, int column, bool controlRight = false)
    {
        RECT cell{};
        ASSERT_TRUE(grid.GetSubItemRect(row, column, cell));
        // Column 0's rectangle is the whole row: aim at its left end.
        const int x = column == 0 ? cell.left + 4 : (cell.left + cell.right) / 2;
        const LPARAM point = MAKELPARAM(x, (cell.top + cell.bottom) / 2);
        if (controlRight) grid.Send(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, point);
        else grid.Send(WM_LBUTTONDOWN, MK_LBUTTON, point);
        gui_test::PumpMessages();
    }
    void Type(const char16_t* text)
    {
        for (const char16_t* c = text; *c != 0; ++c) grid.GetEditor().Send(WM_CHAR, *c, 1);
    }
    void Tab(bool shift)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        grid.GetEditor().Send(WM_KEYDOWN, VK_TAB, 1);
        grid.GetEditor().Send(WM_CHAR, u'\t', 1);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
    }
    std::u16string Cell(int row, int column) const { return grid.GetItemText(row, column); }
    gui_test::TestDialog dialog{IDD_LOCALE_GRID};
    CLocaleListCtrl grid;
    std::vector<int> slots;
};

}  // namespace

TEST_F(LocaleGrid, RowsSlotsAndLanguages)
{
    EXPECT_EQ(slots, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(grid.GetColumnCount(), 7);
    EXPECT_EQ(grid.AddRow(u"No.Such.Key", 10), -1);
    EXPECT_EQ(grid.AddRow(u"", 10), -1);
    grid.SetText(1, 0, u"Nicht verfügbar");
    EXPECT_EQ(Cell(1, 1), u"Nicht verfügbar");
    EXPECT_EQ(std::u16string(grid.GetText(1, 0)), u"Nicht verfügbar");
    EXPECT_EQ(grid.GetText(1, 6), nullptr);
    EXPECT_EQ(grid.GetText(7, 0), nullptr);
    for (int i = 3; i < CLocaleListCtrl::MaxRows; ++i) ASSERT_EQ(grid.AddRow(u"Common.NotAvailable", 5), i);
    EXPECT_EQ(grid.AddRow(u"Common.NotAvailable", 5), -1);
}

TEST_F(LocaleGrid, EditorWritesItsCellAndTabsWrapAround)
{
    Click(0, 0);
    EXPECT_FALSE(grid.GetEditor().IsVisible());
    Click(0, 2);
    ASSERT_TRUE(grid.GetEditor().IsVisible());
    Type(u"Name");
    Tab(false);
    EXPECT_EQ(Cell(0, 2), u"Name");
    EXPECT_EQ(grid.GetEditor().GetText(), u"");
    Type(u"Nom");
    Tab(true);
    EXPECT_EQ(Cell(0, 3), u"Nom");
    EXPECT_EQ(grid.GetEditor().GetText(), u"Name");

    Click(2, 6);
    Tab(false);
    EXPECT_EQ(grid.GetEditor().Send(EM_GETLIMITTEXT), 29);
    Type(std::u16string(30, u'x').c_str());
    EXPECT_EQ(grid.GetEditor().GetText().size(), 29u);
    Tab(true);
    EXPECT_EQ(Cell(0, 1), std::u16string(29, u'x'));
    Type(u"Polski");
    ::SetFocus(::GetDlgItem(dialog.Handle(), IDC_LOCALE_AFTER));
    EXPECT_EQ(Cell(2, 6), u"Polski");
    EXPECT_FALSE(grid.GetEditor().IsVisible());
}

TEST_F(LocaleGrid, ControlRightClickCopiesToEveryLanguage)
{
    grid.SetText(1, 3, u"n/d");
    Click(1, 4, true);
    for (int column = 1; column <= 6; ++column) EXPECT_EQ(Cell(1, column), u"n/d") << column;
}

TEST_F(LocaleGrid, OpenEditorIsCommittedBeforeReadsAndClears)
{
    Click(1, 1);
    Type(u"Typed");
    EXPECT_EQ(std::u16string(grid.GetText(1, 0)), u"Typed");
    Click(2, 2);
    Type(u"Gone");
    grid.DeleteAllRows();
    EXPECT_EQ(grid.GetItemCount(), 0);
    for (int i = 0; i < 3; ++i) grid.AddRow(u"Common.NotAvailable", 10);
    ::SetFocus(::GetDlgItem(dialog.Handle(), IDC_LOCALE_AFTER));
    gui_test::PumpMessages();
    for (int row = 0; row < 3; ++row)
        for (int column = 1; column <= 6; ++column) EXPECT_EQ(Cell(row, column), u"") << row << "," << column;
}

TEST_F(LocaleGrid, ScreenshotWithTheEditorOpen)
{
    const char16_t* names[3][6] = {{u"Stadtpark", u"City Park", u"Parc municipal", u"Parque", u"Parco", u"Park"},
                                   {u"k. A.", u"n/a", u"n.d.", u"n/d", u"n.d.", u"b.d."},
                                   {u"ger", u"eng", u"fre", u"spa", u"ita", u"pol"}};
    for (int row = 0; row < 3; ++row)
        for (int language = 0; language < 6; ++language) grid.SetText(slots[row], language, names[row][language]);
    Click(1, 3);
    ::RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    gui_test::PumpMessages();
    const auto bitmap = gui_test::CaptureWindow(dialog.Handle());
    ASSERT_GT(bitmap.size(), 54u);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\ui\\locale-grid.bmp"), bitmap);
}
