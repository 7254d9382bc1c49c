// The country editor's referee page, standalone in a hidden frame over the
// sample database: the referee dialog is answered by control ids.
#include "CountryListPageFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/world/EnumTexts.h"
#include "editors/player_staff/lists/DlgReferees.h"
#include "resources/NationalPoolIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_list_testing;

namespace {

class RefereePage : public CountryListPageFixture<CDlgReferees> {
protected:
    RefereePage() : CountryListPageFixture(u"referees", IDC_REFEREES_LIST, IDC_REFEREE_FIRST_NAME, CreateRefereesPage, HasThreeReferees) {}

    static bool HasThreeReferees(TCountry& country) { return country.GetReferees().GetCount() >= 3; }
    std::u16string Text(int row, int column) const { return gui_test::CellText(::GetDlgItem(Page(), IDC_REFEREES_LIST), row, column); }
};

TEST_F(RefereePage, ANewRefereeWithTypedNamesAndTypeFourIsListed)
{
    const int count = country_->GetReferees().GetCount();
    ASSERT_EQ(Rows(), count);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Anna");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Zyskowska");
        Press(dialog, 1373);
        Press(dialog, IDOK);
    }, "tests\\editors\\player_staff\\referee-change.bmp"));
    ASSERT_EQ(Rows(), count + 1);
    int found = -1;
    for (int row = 0; row < Rows(); ++row) {
        if (Text(row, 0) == u"Zyskowska, A.") found = row;
    }
    ASSERT_GE(found, 0);
    EXPECT_EQ(Text(found, 1), std::u16string(GetEnumTexts().GetRefereeTypeName(4)));
    EXPECT_EQ(::SendDlgItemMessageW(Page(), IDC_REFEREES_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), found)
        << "the new referee is selected";
    ::RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::ShowWindow(frame_, SW_SHOWNOACTIVATE);
    ::ShowWindow(Page(), SW_SHOWNOACTIVATE);
    ::RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\editors\\player_staff\\referees.bmp"), gui_test::CaptureWindow(frame_));
}

TEST_F(RefereePage, ACancelledOrHalfNamedNewRefereeLeavesTheMapAsItWas)
{
    std::vector<int> ids;
    for (const auto& entry : country_->GetReferees()) ids.push_back(entry.first);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Anna");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Kurz");
        Press(dialog, IDCANCEL);
    }));
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Anna");
        Press(dialog, IDOK);
    }));
    std::vector<int> after;
    for (const auto& entry : country_->GetReferees()) after.push_back(entry.first);
    EXPECT_EQ(after, ids);
    EXPECT_EQ(Rows(), static_cast<int>(ids.size()));
}

TEST_F(RefereePage, TheTwoHundredFiftySeventhRefereeIsRefused)
{
    TRefereeMap& referees = country_->GetReferees();
    while (referees.GetCount() < TRefereeMap::MaxCount) {
        TReferee referee;
        referee.SetNames(u"A", u"B");
        referees.Add(referee);
    }
    page_->FillList(country_);
    EXPECT_FALSE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) { Press(dialog, IDCANCEL); }));
    EXPECT_EQ(referees.GetCount(), TRefereeMap::MaxCount);
    EXPECT_EQ(Rows(), TRefereeMap::MaxCount);
}

TEST_F(RefereePage, DeletingFreesTheIdAndEditingKeepsEmptyNames)
{
    const int firstId = country_->GetReferees().begin()->first;
    int row = page_->GetReferees().FindRow(firstId);
    ASSERT_GE(row, 0);
    SelectRow(row);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_EDIT, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"");
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(country_->GetReferees().Find(firstId)->GetFirstName()[0], 0) << "an edited referee keeps an empty name";
    row = page_->GetReferees().FindRow(firstId);
    SelectRow(row);
    Click(IDC_REFEREES_DELETE);
    EXPECT_EQ(country_->GetReferees().Find(firstId), nullptr);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Ida");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Berg");
        Press(dialog, IDOK);
    }));
    ASSERT_NE(country_->GetReferees().Find(firstId), nullptr) << "the freed id is given again";
    EXPECT_EQ(std::u16string(country_->GetReferees().Find(firstId)->GetLastName()), u"Berg");
}

TEST_F(RefereePage, ATypeAboveSixChecksNoButtonAndIsKept)
{
    const RefereeRow row = page_->GetReferees().GetRows()[0];
    row.referee->SetType(9);
    page_->FillList(country_);
    SelectRow(page_->GetReferees().FindRow(row.id));
    int checked = 0;
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_EDIT, [&](HWND dialog) {
        for (int id = IDC_REFEREE_TYPE_FIRST; id <= IDC_REFEREE_TYPE_LAST; ++id) checked += ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(country_->GetReferees().Find(row.id)->GetType(), 9);
}

TEST_F(RefereePage, EveryRefereeConfirmedUnchangedSavesTheSameFile)
{
    ASSERT_NO_FATAL_FAILURE(ConfirmEveryRowUnchangedAndSave(IDC_REFEREES_EDIT));

    // A new referee survives the save and a fresh load with every field.
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Maximilianusxyzw");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Łukasiewicz");
        Press(dialog, 1375);
        Press(dialog, IDOK);
    }));
    int newId = 0;
    for (const auto& entry : country_->GetReferees()) {
        if (std::u16string(entry.second.GetLastName()) == u"Łukasiewicz") newId = entry.first;
    }
    ASSERT_NE(newId, 0);
    TCountry* reloaded = SaveAndReload();
    ASSERT_NE(reloaded, nullptr);
    const TReferee* loaded = reloaded->GetReferees().Find(newId);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(std::u16string(loaded->GetFirstName()), u"Maximilianusxyz") << "15 characters kept";
    EXPECT_EQ(std::u16string(loaded->GetLastName()), u"Łukasiewicz");
    EXPECT_EQ(loaded->GetType(), 6);
}

}  // namespace
