#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/files/IndexTextFile.h"
#include "core/Random.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"
#include "database/person/Person.h"
#include "database/person/PoolPlayer.h"
#include "platform/Platform.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A golden block: hex bytes, '#' starts a comment.
Bytes GoldenBlock(std::u16string_view name)
{
    const Bytes file = testing_support::ReadBytes(
        platform::JoinPath(testing_support::SourcePath(u"tests\\database\\golden"), name));
    std::istringstream lines(std::string(file.begin(), file.end()));
    Bytes bytes;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream values(line.substr(0, line.find('#')));
        for (std::string hex; values >> hex;) bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex, nullptr, 16)));
    }
    return bytes;
}

using database_testing::ExportBlock;

std::uint32_t SizingPass(const std::function<void(CMasterWriter&)>& write)
{
    CMasterWriter sizing;
    write(sizing);
    return sizing.GetSize();
}

constexpr std::uint32_t NationalTeam(int country)
{
    return static_cast<std::uint32_t>(country) << 16 | 0xFFFF;
}

class PersonBlocksTest : public database_testing::CurrentWorldTest {
protected:
    TPerson& NewPerson(std::uint8_t type, std::uint8_t nationality, std::uint32_t id = 0)
    {
        TPerson* person = world_->CreatePerson(id != 0 ? id : world_->GetFreePersonId(), false);
        person->Init(type, nationality);
        person->SetLanguage(0, 0);
        person->SetFirstName(nullptr);
        person->SetLastName(nullptr);
        return *person;
    }

    std::uint32_t PlayerSize(TPerson& person)
    {
        return SizingPass([&person](CMasterWriter& w) { person.WritePlayerBlock(w); });
    }

    std::uint32_t StaffSize(TPerson& person)
    {
        return SizingPass([&person](CMasterWriter& w) { person.WriteStaffBlock(w); });
    }

    // A record holding a language its setter refuses, as a file may.
    TPerson& ReadWithLanguageSlot0(TPerson& person, bool staff, int language)
    {
        for (int slot = 0; slot < 4; ++slot) person.SetLanguage(slot, 11 + slot);
        BuildGameIdMaps(GetGameIdMaps());
        std::string text = database_testing::WrittenText(
            [&](CIndexTextFile& file) { return staff ? person.WriteStaff(file) : person.WritePlayer(file); });
        const std::size_t at = text.find("\r\n11\r\n12\r\n13\r\n14\r\n");
        EXPECT_NE(at, std::string::npos);
        text.replace(at, 6, "\r\n" + std::to_string(language) + "\r\n");
        CIndexTextFile file;
        EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes(text), u"person"));
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        TPerson& read = NewPerson(person.GetType(), person.GetNationality());
        EXPECT_EQ(staff ? read.ReadStaff(file) : read.ReadPlayer(file), TSectionRead::Read);
        EXPECT_EQ(read.GetLanguage(0), language);
        return read;
    }

    void FillPlayer(TPerson& p)
    {
        p.SetFirstName(u"Jan");
        p.SetLastName(u"Berg");
        p.SetNickname(u"Bergy");
        p.SetFaceId(0x01020304);
        p.SetEmpicsId(0x0A0B0C0D);
        p.SetBirthDate(TDate(1985, 3, 17));
        p.SetSecondNationality(3);
        p.SetPersonFlags(TPerson::RealPersonFlag);
        p.SetTalent(2);
        p.SetPreferredFoot(1);
        p.SetPosition(0, 9);
        p.SetPosition(1, 5);
        p.SetCarriedValueB(7);
        for (int a = 0; a < TPerson::AbilityCount; ++a) p.SetAbility(a, static_cast<std::uint8_t>(a + 1));
        p.SetCaricature(25);
        p.SetCarriedValueA(100);
        p.SetCharacterWord(0x11223344);
        p.SetAppearance(2, 3, 4, 1, 2);
        p.SetAppearanceBits(1);
        p.SetHeightWeight(183, 77);
        p.SetSummaryChoice(1);
        p.SetNationalExperience(5);
        p.SetInternationalExperience(6);
        p.SetShirtNumber(9);
        p.SetReserveShirtNumber(21);
        p.SetYearJoined(2004);
        p.SetContractUntil(2010);
        p.SetSalary(100000);
        p.SetTransferValue(2500000);
        p.SetMoneyValue3(3);
        p.SetNationalTeamRecord(12, 4);
        p.SetTacticalEducation(5);
        p.SetNationalBits(0x40);
        p.SetTransferState(4);
        p.SetTransferClub(NationalTeam(14));
        p.SetTransferStartDate(TDate(2007, 7, 1));
        p.SetTransferEndDate(TDate(2008, 6, 30));
        p.SetTransferFee(500000);
        p.SetFavouriteClub(NationalTeam(34));
        p.SetFavouriteCountry(14);
        p.SetLanguage(1, 2);
        THistoryEntry loan;
        loan.entryFlags0 = 1;
        loan.entryFlags = THistoryEntry::LoanFlag;
        loan.clubId = NationalTeam(14);
        loan.start = TDate(2003, 7, 1);
        loan.end = TDate(2004, 6, 30);
        loan.matches = 30;
        loan.reserveMatches = 2;
        loan.goals = 5;
        loan.reserveGoals = 1;
        loan.fee = 1000;
        p.AddHistoryEntry(loan);
        THistoryEntry running;
        running.entryFlags = THistoryEntry::RunningFlag;
        running.start = TDate(2004, 7, 1);
        p.AddHistoryEntry(running);
    }
};

}  // namespace

TEST_F(PersonBlocksTest, FilledPlayerMatchesTheGoldenBlock)
{
    TPerson& p = NewPerson(0, 14, 77);
    FillPlayer(p);
    EXPECT_EQ(ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); }), GoldenBlock(u"player_block.hex"));
    EXPECT_EQ(p.GetCaricature(), 15);
}

TEST_F(PersonBlocksTest, ManagerMatchesTheGoldenBlock)
{
    TPerson& p = NewPerson(PersonManager, 34);
    p.SetFirstName(u"Olaf");
    p.SetLastName(u"Krag");
    for (int i = 0; i < 4; ++i) p.SetStaffAbility(i, static_cast<std::uint8_t>(10 + i));
    p.SetCharacterWord(0x55667788);
    p.SetLanguage(1, 5);
    p.SetLanguage(2, 6);
    p.SetFavouriteClub(NationalTeam(7));
    p.SetDislikedClub(0xFFFFFFFF);
    p.SetLinkedPersonId(1234);
    p.SetFavouriteTactic(3);
    EXPECT_EQ(ExportBlock([&p](CMasterWriter& w) { p.WriteStaffBlock(w); }), GoldenBlock(u"staff_block.hex"));
}

TEST_F(PersonBlocksTest, PoolEntryMatchesTheGoldenBlock)
{
    TPoolPlayer entry;
    entry.SetFirstName(u"Anna");
    entry.SetLastName(u"Berg");
    entry.SetPseudonym(u"Bee");
    entry.SetNationality(14);
    entry.SetAbilityIndex(7);
    entry.SetTeamPart(3);
    entry.SetBirthDate(TDate(1990, 5, 2));
    entry.SetTalent(4);
    entry.SetFoot(1);
    entry.SetCharacterTrait(9);
    entry.SetFace(2);
    entry.SetHairColour(3);
    entry.SetHairstyle(4);
    entry.SetFacialHair(1);
    entry.SetShoe(2);
    EXPECT_EQ(ExportBlock([&entry](CMasterWriter& w) { entry.WritePoolPlayerBlock(14, w); }),
              GoldenBlock(u"pool_block.hex"));
}

TEST_F(PersonBlocksTest, PlayerBlockSizeFollowsStateAndHistory)
{
    TPerson& p = NewPerson(0, 14);
    const std::pair<int, std::uint32_t> states[] = {{0, 137}, {1, 146}, {2, 142}, {3, 141},
                                                    {4, 153}, {5, 153}, {6, 157}};
    for (const auto& [state, size] : states) {
        p.SetTransferState(state);
        EXPECT_EQ(PlayerSize(p), size) << state;
    }
    // The lowest state bit decides: Injury beside Sell writes the injury.
    p.SetStateBits(0x11);
    EXPECT_EQ(PlayerSize(p), 146u);
    p.SetStateBits(0);
    THistoryEntry entry;
    entry.start = TDate(2005, 7, 1);
    for (int count = 1; count <= 3; ++count) {
        p.AddHistoryEntry(entry);
        EXPECT_EQ(PlayerSize(p), 137u + 26u * static_cast<std::uint32_t>(count));
    }
    const Bytes bytes = ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); });
    ASSERT_EQ(bytes.size(), 137u + 78u);
    EXPECT_EQ(Bytes(bytes.begin() + 10, bytes.begin() + 14), (Bytes{0x50, 0x4C, 0x59, 0x52}));
}

// Country 207 has no game ids: a history entry at one of its clubs names
// the club by its team id, as every other reference to it does.
TEST_F(PersonBlocksTest, AHistoryEntryAtAClubOfCountry207NamesItByItsTeamId)
{
    const std::uint32_t far = world_->GetCountry(207)->CreateClub(u"Far away");
    const std::uint32_t near = world_->GetCountry(14)->CreateClub(u"Near");
    TPerson& p = NewPerson(0, 14);
    for (const auto& [club, exported] : {std::pair{far, far}, std::pair{near, 0x000E0001u}}) {
        while (p.GetHistoryCount() > 0) p.RemoveHistoryEntry(0);
        THistoryEntry entry;
        entry.start = TDate(2005, 7, 1);
        entry.clubId = club;
        p.AddHistoryEntry(entry);
        const Bytes bytes = ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); });
        ASSERT_GE(bytes.size(), 27u);
        // The entry's 26 bytes and the end mark close the block.
        const std::size_t at = bytes.size() - 27 + 1;
        EXPECT_EQ(static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24),
                  exported);
    }
}

TEST_F(PersonBlocksTest, StaffBlockSizeFollowsTheType)
{
    const std::pair<int, std::uint32_t> types[] = {{1, 31}, {2, 31}, {3, 7}, {4, 9}, {11, 9}, {18, 9}, {0, 6}, {19, 6},
                                                   {200, 6}};
    for (const auto& [type, size] : types) {
        TPerson& p = NewPerson(static_cast<std::uint8_t>(type), 14);
        EXPECT_EQ(StaffSize(p), size) << type;
    }
}

TEST_F(PersonBlocksTest, ChairmanIsType15OnlyForExportVariant14)
{
    TPerson& chairman = NewPerson(PersonChairman, 14);
    for (const auto& [variant, type, size] :
         {std::tuple{0, 2, 31u}, std::tuple{13, 2, 31u}, std::tuple{14, 15, 9u}}) {
        world_->SetExportClubCountry(static_cast<std::uint8_t>(variant));
        const Bytes bytes = ExportBlock([&chairman](CMasterWriter& w) { chairman.WriteStaffBlock(w); });
        ASSERT_EQ(bytes.size(), size) << variant;
        EXPECT_EQ(bytes[5], type) << variant;
    }
}

TEST_F(PersonBlocksTest, StaffRandomByteComesFromRandAndIsStored)
{
    TPerson& coach = NewPerson(7, 14);
    coach.SetStaffLevel(9);
    coach.SetFavouriteTactic(4);
    CrtSrand(1);
    CMasterWriter sizing;
    coach.WriteStaffBlock(sizing);
    // The first draw after srand(1) is 41.
    EXPECT_EQ(coach.GetStaffExtraB(), 41 & 7);
    const Bytes bytes = ExportBlock([&coach](CMasterWriter& w) { coach.WriteStaffBlock(w); });
    // The writing pass draws 18467, the second value.
    EXPECT_EQ(bytes, (Bytes{0x8E, 0, 0, 0, 0, 7, 9, 18467 & 7, 4}));
    EXPECT_EQ(coach.GetStaffExtraB(), 18467 & 7);
}

TEST_F(PersonBlocksTest, ExportInjuryKindFollowsTheLength)
{
    TPerson& p = NewPerson(0, 14);
    p.SetTransferState(1);
    p.SetInjuryStartDate(TDate(2007, 6, 1));
    const std::tuple<int, int, int> cases[] = {{0, 60, 20}, {0, 90, 21}, {0, 121, 19}, {0, 61, 21},
                                               {3, 121, 3}, {41, 5, 41}, {42, 5, 20}, {200, 130, 19}};
    for (const auto& [kind, days, expected] : cases) {
        p.SetInjuryKind(static_cast<std::uint8_t>(kind));
        p.SetInjuryEndDate(TDate(p.GetInjuryStartDate().GetDayNumber() + static_cast<std::uint32_t>(days)));
        const Bytes bytes = ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); });
        ASSERT_EQ(bytes.size(), 146u);
        EXPECT_EQ(bytes[124], expected) << kind << " " << days;
        EXPECT_EQ(p.GetInjuryKind(), kind);
    }
}

TEST_F(PersonBlocksTest, NationalBitZeroIsSetForNationality34)
{
    for (const auto& [nationality, bits] : {std::pair{34, 0x41}, std::pair{33, 0x40}}) {
        TPerson& p = NewPerson(0, static_cast<std::uint8_t>(nationality));
        p.SetNationalBits(0x40);
        const Bytes bytes = ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); });
        EXPECT_EQ(bytes[122], bits);
        EXPECT_EQ(p.GetNationalBits(), bits);
    }
}

TEST_F(PersonBlocksTest, CaricaturesFrom22OnBecome15)
{
    for (const auto& [caricature, written] : {std::pair{21, 21}, std::pair{22, 15}, std::pair{255, 15}}) {
        TPerson& p = NewPerson(0, 14);
        p.SetCaricature(static_cast<std::uint8_t>(caricature));
        const Bytes bytes = ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); });
        EXPECT_EQ(bytes[85], written);
        EXPECT_EQ(p.GetCaricature(), written);
    }
}

TEST_F(PersonBlocksTest, ReserveTeamPlayersWriteTheReserveShirt)
{
    TPerson& p = NewPerson(0, 14);
    p.SetShirtNumber(9);
    p.SetReserveShirtNumber(21);
    p.SetReserveTeam();
    const Bytes bytes = ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); });
    EXPECT_EQ(bytes[14], 1);
    EXPECT_EQ(Bytes(bytes.begin() + 101, bytes.begin() + 103), (Bytes{0, 21}));
}

TEST_F(PersonBlocksTest, BlockLanguageIsSlotZeroElseTheCountrysLanguage)
{
    TPerson& p = NewPerson(0, 14);
    p.SetFirstName(u"Ole");
    EXPECT_EQ(p.GetBlockLanguage(), 14);
    p.SetLanguage(0, 12);
    EXPECT_EQ(p.GetBlockLanguage(), 12);
    ExportBlock([&p](CMasterWriter& w) { p.WritePlayerBlock(w); });
    EXPECT_EQ(GetNameList().GetList(12, NameKindMale)->GetCount(), 2);
    EXPECT_EQ(GetNameList().GetList(14, NameKindMale)->GetCount(), 1);
    // Country 126 has language 126 % 63 = 0 in the test list; a country
    // language outside the lists gives 0 too.
    world_->GetCountry(15)->SetLanguage(0, 70);
    EXPECT_EQ(NewPerson(0, 15).GetBlockLanguage(), 0);
}

TEST_F(PersonBlocksTest, LanguagesOutsideTheListsAreRefused)
{
    TPerson& p = NewPerson(0, 14);
    for (int language : {63, 200, -1}) p.SetLanguage(1, language);
    p.SetLanguage(1, 62);
    EXPECT_EQ(p.GetLanguage(1), 62);
    p.SetLanguage(1, 63);
    EXPECT_EQ(p.GetLanguage(1), 62);
}

TEST_F(PersonBlocksTest, LanguageSlot200IsRepairedInBothBlocks)
{
    for (bool staff : {false, true}) {
        TPerson& source = NewPerson(staff ? PersonManager : PersonPlayer, 14);
        TPerson& p = ReadWithLanguageSlot0(source, staff, 200);
        const Bytes bytes = ExportBlock([&p, staff](CMasterWriter& w) {
            staff ? p.WriteStaffBlock(w) : p.WritePlayerBlock(w);
        });
        EXPECT_EQ(bytes[0] & 0x7F, 14) << staff;
        for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(p.GetLanguage(slot), slot == 0 ? 14 : 0) << staff;
    }
}

TEST_F(PersonBlocksTest, PoolTeamPartsAndClubs)
{
    TPoolPlayer entry;
    for (const auto& [part, exported] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{2, 1}, std::pair{4, 3},
                                         std::pair{5, 0}}) {
        entry.SetTeamPart(static_cast<std::uint8_t>(part));
        const Bytes bytes = ExportBlock([&entry](CMasterWriter& w) { entry.WritePoolPlayerBlock(14, w); });
        ASSERT_EQ(bytes.size(), 26u);
        EXPECT_EQ(bytes[13], exported) << part;
        EXPECT_EQ(Bytes(bytes.begin() + 9, bytes.begin() + 13), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    }
    // Without names every index is the blank.
    EXPECT_EQ(GetNameList().GetList(14, NameKindMale)->GetCount(), 1);
}

TEST_F(PersonBlocksTest, NamesAreCountedInTheSizingPassAndFoundAfterSorting)
{
    TPerson& a = NewPerson(0, 14);
    TPerson& b = NewPerson(0, 14);
    a.SetLastName(u"Smith");
    b.SetLastName(u"Smith");
    const Bytes bytes = ExportBlock([&](CMasterWriter& w) {
        a.WritePlayerBlock(w);
        b.WritePlayerBlock(w);
    });
    const CNameList::TList& surnames = *GetNameList().GetList(14, NameKindSurname);
    ASSERT_EQ(surnames.GetCount(), 2);
    // Met only in the database: weight 1, then the two uses of the writing pass.
    EXPECT_EQ(surnames.GetEntry(1).count, 1u + 2u);
    EXPECT_EQ(surnames.GetEntry(0).count, 1u);
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(bytes[137 + 3], 1);
}
