#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "database/EnumTexts.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CountryDirectory.h"

namespace {

// A world of a few countries: names, club counts and whether a club has players.
class TestCountries : public ICountryDirectory {
public:
    struct Country {
        std::u16string name;
        int clubs;
        bool squads;
    };
    std::map<int, Country> countries;

    const char16_t* GetCountryName(std::int32_t id) const override
    {
        auto found = countries.find(id);
        return found == countries.end() ? nullptr : found->second.name.c_str();
    }
    int GetClubCountWithoutNationalTeam(std::int32_t id) const override
    {
        auto found = countries.find(id);
        return found == countries.end() ? 0 : found->second.clubs;
    }
    bool HasClubWithSquad(std::int32_t id) const override
    {
        auto found = countries.find(id);
        return found != countries.end() && found->second.squads;
    }
};

class FillerTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        world_.countries = {{0, {u"Fallback", 3, true}},     {1, {u"Albania", 2, true}}, {2, {u"Brazil", 0, false}},
                            {3, {u"", 4, true}},             {5, {u"Chile", 3, false}},  {206, {u"Zambia", 1, true}},
                            {207, {u"Never listed", 5, true}}};
        SetCountryDirectory(&world_);
        ASSERT_TRUE(combo_.Attach(gallery_.GetItem(IDC_GALLERY_COMBO)));
        ASSERT_TRUE(list_.Attach(gallery_.GetItem(IDC_GALLERY_COLUMNLIST)));
    }
    void TearDown() override { SetCountryDirectory(nullptr); }

    std::vector<LPARAM> ComboData() const { return ItemData(combo_); }

    TestCountries world_;
    win::CComboBox combo_;
    win::CListBox list_;
};

TEST_F(FillerTest, CountryModesSelectWhatTheyPromise)
{
    gallery_.FillCountryCombo(combo_, 5, 0);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{1, 2, 5, 206}));
    EXPECT_EQ(combo_.GetCurSel(), 2);
    EXPECT_EQ(combo_.GetItemText(0), u"Albania");

    gallery_.FillCountryCombo(combo_, 0, 1);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{0, 1, 2, 5, 206}));
    EXPECT_EQ(combo_.GetItemText(0), u"No nationality");
    EXPECT_EQ(combo_.GetCurSel(), 0);

    gallery_.FillCountryCombo(combo_, 1, 2);
    EXPECT_EQ(combo_.GetItemText(0), u"No country");
    EXPECT_EQ(combo_.GetCurSel(), 1);

    gallery_.FillCountryCombo(combo_, 2, 3);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{1, 5, 206}));
    EXPECT_EQ(combo_.GetCurSel(), -1);

    // Chile has clubs but nobody plays for them.
    gallery_.FillCountryCombo(combo_, 0, 4);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{1, 206}));

    gallery_.FillCountryCombo(combo_, 0, 9);
    EXPECT_TRUE(ComboData().empty());
}

TEST_F(FillerTest, CountryListFollowsTheSameRules)
{
    gallery_.FillCountryList(list_, 206, 1);
    ASSERT_EQ(list_.GetCount(), 5);
    EXPECT_EQ(list_.GetItemData(0), 0);
    EXPECT_EQ(list_.GetItemData(4), 206);
    EXPECT_EQ(list_.GetCurSel(), 4);
}

TEST_F(FillerTest, WithoutAWorldOnlyTheNoneRowRemains)
{
    SetCountryDirectory(nullptr);
    gallery_.FillCountryCombo(combo_, 0, 2);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{0}));
}

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
