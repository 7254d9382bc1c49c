// The country editor's player pool page and its entry dialog, standalone in
// a hidden frame over the sample database, answered by control ids.
#include "CountryListPageFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/person/PoolPlayer.h"
#include "editors/player_staff/lists/DlgPlayerpool.h"
#include "resources/NationalPoolIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

using namespace country_list_testing;

namespace {

class PlayerPoolPage : public CountryListPageFixture<CDlgPlayerpool> {
protected:
    PlayerPoolPage() : CountryListPageFixture(u"playerpool", IDC_POOL_LIST, IDC_POOL_FIRST_NAME, CreatePlayerpoolPage, HasPoolToEdit) {}

    // Used entries, a free one and at least two clubs.
    static bool HasPoolToEdit(TCountry& country)
    {
        int used = 0;
        for (int index = 0; index < country.GetPoolPlayerCount(); ++index) used += country.GetPoolPlayer(index)->HasName() ? 1 : 0;
        return used >= 2 && used < country.GetPoolPlayerCount() && country.GetClubCountWithoutNationalTeam() >= 2;
    }
    // Chooses a combo's row as the user would; returns its item data.
    static LPARAM Choose(HWND dialog, int id, int row)
    {
        HWND combo = ::GetDlgItem(dialog, id);
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        return ::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    }
    static int FindData(HWND dialog, int id, LPARAM value)
    {
        HWND combo = ::GetDlgItem(dialog, id);
        const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            if (::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(row), 0) == value) return row;
        }
        return -1;
    }
    static bool DateSpinsEnabled(HWND dialog)
    {
        return ::IsWindowEnabled(::GetDlgItem(dialog, IDC_POOL_DAY)) && ::IsWindowEnabled(::GetDlgItem(dialog, IDC_POOL_MONTH)) &&
               ::IsWindowEnabled(::GetDlgItem(dialog, IDC_POOL_YEAR));
    }
};

TEST_F(PlayerPoolPage, AnEntryEditedThroughEveryComboIsWrittenFieldByField)
{
    ASSERT_GT(Rows(), 0);
    SelectRow(0);
    TPoolPlayer* entry = page_->GetPool().GetRows()[0];
    struct Chosen {
        int id;
        LPARAM value = 0;
    };
    std::vector<Chosen> chosen{{IDC_POOL_NATIONALITY}, {IDC_POOL_TALENT}, {IDC_POOL_ABILITY}, {IDC_POOL_TEAM_PART},
                               {IDC_POOL_FOOT},        {IDC_POOL_TRAIT},  {IDC_POOL_FACE},    {IDC_POOL_HAIR_COLOUR},
                               {IDC_POOL_HAIRSTYLE},   {IDC_POOL_FACIAL_HAIR}, {IDC_POOL_SHOE}};
    ASSERT_TRUE(ClickAnswering(IDC_POOL_EDIT, [&](HWND dialog) {
        Type(dialog, IDC_POOL_FIRST_NAME, L"Jonas");
        Type(dialog, IDC_POOL_LAST_NAME, L"Ångström");
        Type(dialog, IDC_POOL_PSEUDONYM, L"Jonny");
        for (Chosen& field : chosen) {
            const int count = static_cast<int>(::SendDlgItemMessageW(dialog, field.id, CB_GETCOUNT, 0, 0));
            ASSERT_GT(count, 1) << field.id;
            field.value = Choose(dialog, field.id, count - 2);
        }
        Press(dialog, IDOK);
    }, "tests\\editors\\player_staff\\pool-entry.bmp"));
    EXPECT_EQ(std::u16string(entry->GetFirstName()), u"Jonas");
    EXPECT_EQ(std::u16string(entry->GetLastName()), u"Ångström");
    EXPECT_EQ(std::u16string(entry->GetPseudonym()), u"Jonny");
    const std::vector<int> stored{entry->GetNationality(), entry->GetTalent(), entry->GetAbilityIndex(), entry->GetTeamPart(),
                                  entry->GetFoot(), entry->GetCharacterTrait(), entry->GetFace(), entry->GetHairColour(),
                                  entry->GetHairstyle(), entry->GetFacialHair(), entry->GetShoe()};
    std::vector<int> expected;
    for (const Chosen& field : chosen) expected.push_back(static_cast<int>(field.value));
    EXPECT_EQ(stored, expected);
    EXPECT_GE(page_->GetPool().FindRow(entry), 0);
}

TEST_F(PlayerPoolPage, CreateAClubEnablesTheDateSpinsARealClubDisablesThemAndTheDateIsStored)
{
    SelectRow(0);
    TPoolPlayer* entry = page_->GetPool().GetRows()[0];
    const std::uint32_t realClub = country_->GetClubByIndex(1)->GetId();
    bool createEnabled = false;
    bool realDisabled = false;
    ASSERT_TRUE(ClickAnswering(IDC_POOL_EDIT, [&](HWND dialog) {
        Choose(dialog, IDC_POOL_CLUB, FindData(dialog, IDC_POOL_CLUB, static_cast<LPARAM>(TPoolPlayer::CreateClub)));
        createEnabled = DateSpinsEnabled(dialog) && ::IsWindowVisible(::GetDlgItem(dialog, IDC_POOL_PORTRAIT_PATH));
        Type(dialog, IDC_POOL_DAY, L"31");
        Type(dialog, IDC_POOL_MONTH, L"2");
        Type(dialog, IDC_POOL_YEAR, L"1990");
        for (int id : {IDC_POOL_DAY, IDC_POOL_MONTH, IDC_POOL_YEAR}) ::SetFocus(::GetDlgItem(dialog, id));
        ::SetFocus(::GetDlgItem(dialog, IDC_POOL_FIRST_NAME));
        Choose(dialog, IDC_POOL_CLUB, FindData(dialog, IDC_POOL_CLUB, static_cast<LPARAM>(realClub)));
        realDisabled = !::IsWindowEnabled(::GetDlgItem(dialog, IDC_POOL_DAY)) && !::IsWindowVisible(::GetDlgItem(dialog, IDC_POOL_PORTRAIT_PATH));
        Press(dialog, IDOK);
    }));
    EXPECT_TRUE(createEnabled);
    EXPECT_TRUE(realDisabled);
    EXPECT_EQ(entry->GetPreferredClub(), realClub);
    EXPECT_EQ(entry->GetBirthDate(), TDate(1990, 2, 28)) << "31 February is stored as the month's last day";
}

TEST_F(PlayerPoolPage, BytesOutOfRangeSelectNothingAndAreKeptOnOk)
{
    SelectRow(0);
    TPoolPlayer* entry = page_->GetPool().GetRows()[0];
    entry->SetNationality(250);
    entry->SetAbilityIndex(43);
    entry->SetTeamPart(9);
    entry->SetCharacterTrait(30);
    entry->SetFace(200);
    entry->SetShoe(200);
    std::vector<LRESULT> selections;
    ASSERT_TRUE(ClickAnswering(IDC_POOL_EDIT, [&](HWND dialog) {
        for (int id : {IDC_POOL_NATIONALITY, IDC_POOL_ABILITY, IDC_POOL_TEAM_PART, IDC_POOL_TRAIT, IDC_POOL_FACE, IDC_POOL_SHOE})
            selections.push_back(::SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(selections, std::vector<LRESULT>(6, CB_ERR)) << "no item matches";
    const std::vector<int> kept{entry->GetNationality(), entry->GetAbilityIndex(), entry->GetTeamPart(),
                                entry->GetCharacterTrait(), entry->GetFace(), entry->GetShoe()};
    EXPECT_EQ(kept, (std::vector<int>{250, 43, 9, 30, 200, 200}));
}

TEST_F(PlayerPoolPage, NewFillsTheFirstFreeEntryAndDeleteFreesTheSelected)
{
    const int rows = Rows();
    const int freeIndex = page_->GetPool().GetFirstFreeIndex();
    ASSERT_GE(freeIndex, 0);
    ASSERT_TRUE(ClickAnswering(IDC_POOL_NEW, [](HWND dialog) {
        Type(dialog, IDC_POOL_FIRST_NAME, L"Nils");
        Type(dialog, IDC_POOL_LAST_NAME, L"Berg");
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(Rows(), rows + 1);
    EXPECT_EQ(country_->GetPoolPlayer(freeIndex)->GetShortName(), u"Berg,N.");
    ASSERT_TRUE(ClickAnswering(IDC_POOL_NEW, [](HWND dialog) {
        Type(dialog, IDC_POOL_FIRST_NAME, L"Only");
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(Rows(), rows + 1) << "an entry without both names is not listed";

    const TPoolPlayer* deleted = page_->GetPool().GetRows()[Rows() - 1];
    SelectRow(Rows() - 1);
    Click(IDC_POOL_DELETE);
    EXPECT_EQ(Rows(), rows);
    EXPECT_FALSE(deleted->HasName());
    EXPECT_EQ(::SendDlgItemMessageW(Page(), IDC_POOL_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), rows - 1);
    ::ShowWindow(frame_, SW_SHOWNOACTIVATE);
    ::ShowWindow(Page(), SW_SHOWNOACTIVATE);
    ::RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\editors\\player_staff\\player-pool.bmp"), gui_test::CaptureWindow(frame_));
}

TEST_F(PlayerPoolPage, NewShowsRandomValuesForTheCountryAndKeepsThemOnOK)
{
    const int freeIndex = page_->GetPool().GetFirstFreeIndex();
    ASSERT_GE(freeIndex, 0);
    ASSERT_TRUE(ClickAnswering(IDC_POOL_NEW, [&](HWND dialog) {
        HWND nationality = ::GetDlgItem(dialog, IDC_POOL_NATIONALITY);
        EXPECT_EQ(::SendMessageW(nationality, CB_GETITEMDATA, static_cast<WPARAM>(::SendMessageW(nationality, CB_GETCURSEL, 0, 0)), 0),
                  country_->GetId());
        HWND club = ::GetDlgItem(dialog, IDC_POOL_CLUB);
        EXPECT_EQ(static_cast<std::uint32_t>(::SendMessageW(club, CB_GETITEMDATA, static_cast<WPARAM>(::SendMessageW(club, CB_GETCURSEL, 0, 0)), 0)),
                  TPoolPlayer::CreateClub);
        EXPECT_TRUE(DateSpinsEnabled(dialog));
        const int year = static_cast<int>(::GetDlgItemInt(dialog, IDC_POOL_YEAR, nullptr, FALSE));
        EXPECT_GE(year, 1990);
        EXPECT_LE(year, 1993);
        Type(dialog, IDC_POOL_FIRST_NAME, L"Nils");
        Type(dialog, IDC_POOL_LAST_NAME, L"Drawn");
        Press(dialog, IDOK);
    }));
    const TPoolPlayer* entry = country_->GetPoolPlayer(freeIndex);
    EXPECT_EQ(entry->GetShortName(), u"Drawn,N.");
    EXPECT_EQ(entry->GetNationality(), country_->GetId());
    EXPECT_EQ(entry->GetPreferredClub(), TPoolPlayer::CreateClub);
    EXPECT_GE(entry->GetBirthDate().GetYear(), 1990);
    EXPECT_LE(entry->GetBirthDate().GetYear(), 1993);
}

TEST_F(PlayerPoolPage, EveryEntryConfirmedUnchangedSavesTheSameFileAndAnEditSurvivesReload)
{
    ASSERT_NO_FATAL_FAILURE(ConfirmEveryRowUnchangedAndSave(IDC_POOL_EDIT));

    SelectRow(0);
    TPoolPlayer* entry = page_->GetPool().GetRows()[0];
    int index = 0;
    while (country_->GetPoolPlayer(index) != entry) ++index;
    ASSERT_TRUE(ClickAnswering(IDC_POOL_EDIT, [](HWND dialog) {
        Type(dialog, IDC_POOL_LAST_NAME, L"Zielińska");
        Choose(dialog, IDC_POOL_ABILITY, 40);
        Choose(dialog, IDC_POOL_TRAIT, 22);
        Press(dialog, IDOK);
    }));
    const TPoolPlayer edited = *entry;
    TCountry* country = SaveAndReload();
    ASSERT_NE(country, nullptr);
    const TPoolPlayer* loaded = country->GetPoolPlayer(index);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(std::u16string(loaded->GetLastName()), u"Zielińska");
    EXPECT_EQ(loaded->GetShortName(), edited.GetShortName());
    const std::vector<int> reloaded{loaded->GetNationality(), loaded->GetTalent(), loaded->GetAbilityIndex(), loaded->GetTeamPart(),
                                    loaded->GetFoot(), loaded->GetCharacterTrait(), loaded->GetFace(), loaded->GetHairColour(),
                                    loaded->GetHairstyle(), loaded->GetFacialHair(), loaded->GetShoe()};
    const std::vector<int> saved{edited.GetNationality(), edited.GetTalent(), edited.GetAbilityIndex(), edited.GetTeamPart(),
                                 edited.GetFoot(), edited.GetCharacterTrait(), edited.GetFace(), edited.GetHairColour(),
                                 edited.GetHairstyle(), edited.GetFacialHair(), edited.GetShoe()};
    EXPECT_EQ(reloaded, saved);
    EXPECT_EQ(loaded->GetAbilityIndex(), 40);
    EXPECT_EQ(loaded->GetBirthDate(), edited.GetBirthDate());
    EXPECT_EQ(loaded->GetPreferredClub(), edited.GetPreferredClub());
}

}  // namespace
