#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/TextManager.h"
#include "database/world/EnumTexts.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

class FillerTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        ASSERT_TRUE(combo_.Attach(gallery_.GetItem(IDC_GALLERY_COMBO)));
    }
    std::vector<LPARAM> ComboData() const { return ItemData(combo_); }

    win::CComboBox combo_;
};

TEST_F(FillerTest, KeyFillersTranslateAndSkipMissingTexts)
{
    const char16_t* keys[] = {u"Label", u"No.Such.Key", u"Bare.Key", nullptr};
    gallery_.FillComboFromKeys(combo_, keys, 2);
    ASSERT_EQ(combo_.GetCount(), 2);
    EXPECT_EQ(combo_.GetItemText(0), u"Prefixed label");
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{0, 2}));
    EXPECT_EQ(combo_.GetCurSel(), 1);

    const CDialogB::KeyValue table[] = {{u"Bare.Key", 10}, {u"No.Such.Key", 20}, {nullptr, 0}};
    gallery_.FillComboFromKeyTable(combo_, table, 20);
    EXPECT_EQ(combo_.GetItemText(1), u"No.Such.Key");
    EXPECT_EQ(combo_.GetCurSel(), 1);
    EXPECT_EQ(std::u16string(gallery_.GetComboKeyBySelData(combo_, table, 10)), u"No.Such.Key");
    combo_.SetCurSel(-1);
    EXPECT_EQ(std::u16string(gallery_.GetComboKeyBySelData(combo_, table, 10)), u"Bare.Key");
    EXPECT_EQ(gallery_.GetComboKeyBySelData(combo_, table, 30), nullptr);

    const char16_t* texts[] = {u"x", u"y", nullptr};
    CDialogB::FillComboFromStrings(combo_, texts, 1);
    EXPECT_EQ(combo_.GetCount(), 2);
    EXPECT_EQ(CDialogB::GetComboSelData(combo_, -5), 1);
    CDialogB::SelectComboByData(combo_, 0);
    EXPECT_EQ(combo_.GetCurSel(), 0);
    CDialogB::SelectComboByData(combo_, 99);
    EXPECT_EQ(combo_.GetCurSel(), 0);
}

// A closed combo box shows any of its choices, and its drop-down list all
// of them: each one from the localisation file must fit both, in the
// language shown, while a name out of the database, as wide, is measured
// only when asked for. A list dropped wider than its box has the room it is
// given.
TEST_F(FillerTest, TheLayoutCheckMeasuresEveryTranslatedChoiceButNoName)
{
    const char16_t* keys[] = {u"Label", u"Gallery.WideChoice", nullptr};
    gallery_.FillComboFromKeys(combo_, keys, 0);
    CDialogB::AddComboItem(combo_, u"A club name far wider than the gallery's combo box", 2);
    auto cutChoices = [this](gui_test::TMeasured measured = gui_test::TMeasured::LocalisedTexts) {
        std::vector<std::string> cut;
        for (const std::string& fault : gui_test::LayoutFaults(gallery_.Handle(), measured))
            if (fault.find(" item ") != std::string::npos) cut.push_back(fault);
        return cut;
    };
    std::vector<std::string> cut = cutChoices();
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_NE(cut[0].find("\"A choice far wider than the gallery's combo box\" needs"), std::string::npos) << cut[0];
    EXPECT_EQ(cut[0].find("in its list"), std::string::npos) << cut[0];
    EXPECT_NE(cut[1].find("\"A choice far wider than the gallery's combo box\" needs"), std::string::npos) << cut[1];
    EXPECT_NE(cut[1].find("in its list"), std::string::npos) << cut[1];
    ::SendMessageW(combo_.Handle(), CB_SETDROPPEDWIDTH, 1000, 0);
    cut = cutChoices();
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].find("in its list"), std::string::npos) << cut[0];
    CTextManager::Instance()->SetLanguage(CTextManager::French);
    EXPECT_TRUE(cutChoices().empty());
    // Measuring names, every item counts, the English choice among them.
    cut = cutChoices(gui_test::TMeasured::NamesToo);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_NE(cut[1].find("\"A club name far wider than the gallery's combo box\" needs"), std::string::npos) << cut[1];
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

TEST_F(FillerTest, LanguageNamesWithAndWithoutTheFirst)
{
    gallery_.FillLanguageCombo(combo_, 5, true);
    ASSERT_EQ(combo_.GetCount(), 63);
    EXPECT_EQ(combo_.GetItemData(5), 5);
    EXPECT_EQ(combo_.GetCurSel(), 5);
    EXPECT_EQ(combo_.GetItemText(62), GetEnumTexts().GetLanguageName(62));
    gallery_.FillLanguageCombo(combo_, 0, false);
    ASSERT_EQ(combo_.GetCount(), 62);
    EXPECT_EQ(combo_.GetItemData(0), 1);
    EXPECT_EQ(combo_.GetCurSel(), -1);
}

TEST_F(FillerTest, ControlsBecomeMenuItems)
{
    HMENU menu = ::CreatePopupMenu();
    EXPECT_TRUE(gallery_.AppendControlToMenu(menu, IDC_GALLERY_CHECK, false));
    EXPECT_FALSE(gallery_.AppendControlToMenu(menu, 4711, true));
    ASSERT_EQ(::GetMenuItemCount(menu), 1);
    EXPECT_EQ(::GetMenuItemID(menu, 0), static_cast<UINT>(IDC_GALLERY_CHECK));
    EXPECT_NE(::GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    ::DestroyMenu(menu);
}

}  // namespace
