#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "core/Random.h"
#include "database/person/PoolPlayer.h"
#include "editors/player_staff/model/lists/PoolPageModel.h"

namespace {

class PoolPageModelTest : public model_testing::ModelWorldTest {
protected:
    void SetUp() override
    {
        ModelWorldTest::SetUp();
        country_ = world_->GetCountry(5);
        country_->ResizePool(6);
    }

    TPoolPlayer* Entry(int index, const char16_t* first, const char16_t* last)
    {
        TPoolPlayer* entry = country_->GetPoolPlayer(index);
        entry->SetFirstName(first);
        entry->SetLastName(last);
        return entry;
    }

    std::vector<std::u16string> RowNames() const
    {
        return model_testing::Names(model_.GetRows(), [](const TPoolPlayer* entry) { return entry->GetShortName(); });
    }

    TCountry* country_ = nullptr;
    PoolPageModel model_;
};

TEST_F(PoolPageModelTest, OnlyEntriesWithBothNamesAreRows)
{
    Entry(0, u"", u"Kahn");
    Entry(1, u"Anton", u"Berg");
    Entry(2, u"Otto", u"");
    Entry(4, u"Carl", u"Adler");
    model_.SetCountry(country_);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Adler,C.", u"Berg,A."}));
    EXPECT_EQ(model_.GetFirstFreeIndex(), 0);
    EXPECT_EQ(model_.GetFreeEntry(), country_->GetPoolPlayer(0));
}

TEST_F(PoolPageModelTest, AnEntryWhoseFirstNameIsEmptiedBecomesTheNextFreeOne)
{
    for (int index = 0; index < 6; ++index) Entry(index, u"Anton", (u"Berg" + Digits(index)).c_str());
    model_.SetCountry(country_);
    EXPECT_EQ(model_.GetFreeEntry(), nullptr) << "with every entry used, new does nothing";
    TPoolPlayer* third = country_->GetPoolPlayer(2);
    PoolEntryValues values = PoolPageModel::ReadEntry(*third);
    values.firstName.clear();
    PoolPageModel::WriteEntry(*third, values);
    model_.Fill();
    EXPECT_EQ(model_.GetRows().size(), 5u);
    EXPECT_EQ(model_.FindRow(third), -1);
    EXPECT_EQ(model_.GetFreeEntry(), third);
}

TEST_F(PoolPageModelTest, NewDrawsTheFreeEntryForTheCountryAndLeavesItFree)
{
    Entry(0, u"Anton", u"Berg");
    model_.SetCountry(country_);
    for (std::int32_t seed = 1; seed <= 40; ++seed) {
        SeedRandom(seed, seed * 7);
        TPoolPlayer* entry = model_.NewEntry();
        ASSERT_EQ(entry, country_->GetPoolPlayer(1)) << seed;
        EXPECT_FALSE(entry->HasName()) << "the names stay empty until the dialog gives them";
        EXPECT_EQ(entry->GetNationality(), country_->GetId());
        EXPECT_EQ(entry->GetPreferredClub(), TPoolPlayer::CreateClub);
        ASSERT_TRUE(entry->GetBirthDate().IsSet());
        // The drawn date is one the dialog's spins show and store unchanged.
        const PoolEntryValues values = PoolPageModel::ReadEntry(*entry);
        EXPECT_GE(values.year, 1990);
        EXPECT_LE(values.year, 1993);
        EXPECT_EQ(PoolPageModel::ClampedBirthDate(values.day, values.month, values.year), entry->GetBirthDate());
        EXPECT_LE(entry->GetAbilityIndex(), 42);
        EXPECT_LE(entry->GetTeamPart(), 3);
    }
    model_.Fill();
    EXPECT_EQ(model_.GetRows().size(), 1u);

    for (int index = 1; index < 6; ++index) Entry(index, u"Carl", u"Adler");
    model_.Fill();
    EXPECT_EQ(model_.NewEntry(), nullptr) << "a full pool draws nothing";
}

TEST_F(PoolPageModelTest, DeleteResetsEverySelectedEntry)
{
    Entry(0, u"Anton", u"Berg");
    Entry(1, u"Carl", u"Adler");
    Entry(2, u"Dora", u"Cyr");
    model_.SetCountry(country_);
    model_.Delete({0, 2});  // Adler and Cyr
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Berg,A."}));
    EXPECT_FALSE(country_->GetPoolPlayer(1)->HasName());
    EXPECT_EQ(country_->GetPoolPlayer(2)->GetPseudonym()[0], 0);
    EXPECT_EQ(model_.GetFirstFreeIndex(), 1);
}

TEST_F(PoolPageModelTest, BirthDatesAreClampedIntoTheSpinsAndTheMonth)
{
    struct Case {
        int day, month, year;
        TDate expected;
    };
    for (const Case& c : {
             Case{31, 2, 1990, TDate(1990, 2, 28)},
             Case{30, 2, 1992, TDate(1992, 2, 29)},
             Case{15, 6, 1993, TDate(1993, 6, 15)},
             Case{1, 1, 1900, TDate(1947, 1, 1)},
             Case{40, 13, 2010, TDate(1995, 12, 31)},
             Case{0, 0, 0, TDate()},
         }) {
        EXPECT_EQ(PoolPageModel::ClampedBirthDate(c.day, c.month, c.year), c.expected) << c.day << "." << c.month << "." << c.year;
    }
}

TEST_F(PoolPageModelTest, ADrawnBirthYearOf1993IsShownAndStored)
{
    TPoolPlayer* entry = Entry(0, u"Anton", u"Berg");
    entry->SetBirthDate(TDate(1993, 4, 9));
    const PoolEntryValues values = PoolPageModel::ReadEntry(*entry);
    EXPECT_EQ(values.year, 1993);
    PoolPageModel::WriteEntry(*entry, values);
    EXPECT_EQ(entry->GetBirthDate(), TDate(1993, 4, 9));

    entry->SetBirthDate(TDate());
    PoolPageModel::WriteEntry(*entry, PoolPageModel::ReadEntry(*entry));
    EXPECT_FALSE(entry->GetBirthDate().IsSet()) << "an entry without a birth date keeps none";
}

TEST_F(PoolPageModelTest, WriteStoresEveryFieldAndCutsTheNames)
{
    TPoolPlayer* entry = Entry(0, u"Anton", u"Berg");
    PoolEntryValues values;
    values.firstName = u"Maximilianusxyzw";  // 16 characters
    values.lastName = u"Abcdefghijklmnopqrstu";  // 21
    values.pseudonym = u"Pseudo";
    values.nationality = 250;
    values.talent = 4;
    values.ability = 42;
    values.teamPart = 3;
    values.preferredClub = TPoolPlayer::CreateClub;
    values.foot = 2;
    values.characterTrait = 22;
    values.face = 200;
    values.hairColour = 3;
    values.hairstyle = 37;
    values.facialHair = 5;
    values.shoe = 20;
    values.day = 3;
    values.month = 5;
    values.year = 1980;
    PoolPageModel::WriteEntry(*entry, values);
    PoolEntryValues expected = values;
    expected.firstName = u"Maximilianusxyz";
    expected.lastName = u"Abcdefghijklmnopqrs";
    const PoolEntryValues read = PoolPageModel::ReadEntry(*entry);
    EXPECT_EQ(read.firstName, expected.firstName);
    EXPECT_EQ(read.lastName, expected.lastName);
    EXPECT_EQ(read.pseudonym, expected.pseudonym);
    const std::vector<int> stored{read.nationality, read.talent, read.ability, read.teamPart, read.foot, read.characterTrait,
                                  read.face, read.hairColour, read.hairstyle, read.facialHair, read.shoe, read.day, read.month, read.year};
    const std::vector<int> written{250, 4, 42, 3, 2, 22, 200, 3, 37, 5, 20, 3, 5, 1980};
    EXPECT_EQ(stored, written);
    EXPECT_EQ(read.preferredClub, TPoolPlayer::CreateClub);
}

TEST_F(PoolPageModelTest, ThePreviewPersonIsWhatTheEntryWouldStore)
{
    PoolEntryValues values;
    values.firstName = u"Maximilianusxyzw";
    values.lastName = u"Berg";
    values.day = 31;
    values.month = 2;
    values.year = 1990;
    values.face = 7;
    values.hairstyle = 12;
    const TPortraitPerson person = PoolPageModel::PreviewPerson(values);
    EXPECT_EQ(person.firstName, u"Maximilianusxyz");
    EXPECT_EQ(person.birthDate, TDate(1990, 2, 28));
    EXPECT_EQ(person.pictureId, 0u);
    const TPortraitHead head = PoolPageModel::PreviewHead(values);
    EXPECT_EQ(head.face, 7u);
    EXPECT_EQ(head.hairstyle, 12u);
    EXPECT_EQ(head.faceId, 0u);
}

TEST_F(PoolPageModelTest, SortsByEachColumnClubsBeforeNone)
{
    TClub* zeta = NewClub(5, u"Zeta");
    TClub* alpha = NewClub(5, u"Alpha");
    struct Seed {
        const char16_t* last;
        std::uint8_t nationality, ability, teamPart;
        std::uint32_t club;
    };
    const std::vector<Seed> seeds{
        {u"Cyr", 7, 1, 2, zeta->GetId()},
        {u"Adler", 9, 3, 0, TPoolPlayer::CreateClub},
        {u"Berg", 8, 2, 1, alpha->GetId()},
    };
    for (std::size_t index = 0; index < seeds.size(); ++index) {
        TPoolPlayer* entry = Entry(static_cast<int>(index), u"A", seeds[index].last);
        entry->SetNationality(seeds[index].nationality);
        entry->SetAbilityIndex(seeds[index].ability);
        entry->SetTeamPart(seeds[index].teamPart);
        entry->SetPreferredClub(seeds[index].club);
    }
    model_.SetCountry(country_);
    using Names = std::vector<std::u16string>;
    EXPECT_EQ(RowNames(), (Names{u"Adler,A.", u"Berg,A.", u"Cyr,A."}));
    const std::vector<std::pair<int, Names>> orders{
        {PoolPageModel::NationalityColumn, {u"Cyr,A.", u"Berg,A.", u"Adler,A."}},
        {PoolPageModel::SkillsColumn, {u"Cyr,A.", u"Berg,A.", u"Adler,A."}},
        {PoolPageModel::TeamPartColumn, {u"Adler,A.", u"Berg,A.", u"Cyr,A."}},
        {PoolPageModel::ClubColumn, {u"Berg,A.", u"Cyr,A.", u"Adler,A."}},
    };
    for (const auto& [column, expected] : orders) {
        model_.ClickHeader(column);
        EXPECT_EQ(RowNames(), expected) << column;
    }
    model_.ClickHeader(PoolPageModel::ClubColumn);
    EXPECT_EQ(RowNames(), (Names{u"Adler,A.", u"Cyr,A.", u"Berg,A."}));
}

}  // namespace
