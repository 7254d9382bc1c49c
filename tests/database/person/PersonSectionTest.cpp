#include <gtest/gtest.h>

#include <string>

#include "tests/database/DatabaseTestSupport.h"
#include "core/files/IndexTextFile.h"
#include "core/Random.h"
#include "database/club/Club.h"
#include "database/club/Referee.h"
#include "database/country/CountryFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/person/Person.h"
#include "database/person/PoolPlayer.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;
using testing_support::Narrow;

namespace {

bool At(std::uint32_t version, std::uint32_t major, std::uint32_t minor)
{
    return version >= MakeDatabaseVersion(major, minor);
}

// What a file of the given version can hold of a person, as text.
std::string Describe(const TPerson& p, std::uint32_t version)
{
    std::string d = Narrow(p.GetFirstName()) + "|" + Narrow(p.GetLastName()) + "|" + Narrow(p.GetNickname());
    const auto add = [&d](std::int64_t value) { d += "," + std::to_string(value); };
    for (std::int64_t v : {int{p.GetType()}, int{p.GetNationality()}, int{p.GetReserveShirtNumber()},
                           int{p.GetShirtNumber()}, int{p.GetTalent()}, int{p.IsReserveTeam()}}) {
        add(v);
    }
    add(p.GetBirthDate().GetDayNumber());
    // Old files knew Right, Left and "both".
    add(!At(version, 0x2006, 0) && p.GetPreferredFoot() == 3 ? 2 : p.GetPreferredFoot());
    for (int slot = 0; slot < TPerson::PositionSlots; ++slot) add(p.GetPosition(slot));
    const bool old = !At(version, 0x2006, 0);
    // The abilities old files held.
    static constexpr int OldAbilities[] = {10, 15, 0, 1, 18, 19, 13, 2, 3, 4, 16, 25, 20, 21,
                                           5, 14, 6, 7, 8, 9, 41, 35, 38, 37, 42, 36, 39, 40};
    if (old) {
        for (int a : OldAbilities) add(p.GetAbility(a));
    } else {
        for (int a = 0; a < TPerson::AbilityCount; ++a) add(p.GetAbility(a));
        add(p.GetCaricature());
        add(p.GetEmpicsId());
    }
    if (p.IsPlayer() || At(version, 0x2007, 5)) add(p.GetCharacterWord());
    for (std::int64_t v : {int{p.GetFace()}, int{p.GetHairstyle()}, int{p.GetHeight()}, int{p.GetShoe()},
                           int{p.GetYearJoined()}, int{p.GetContractUntil()}, int{p.GetTacticalEducation()},
                           int{p.GetNationalBits()}, int{p.GetStateBits()}, int{p.GetInjuryKind()},
                           int{p.GetStaffLevel()}, int{p.GetStaffAbility(2)}, int{p.GetStability()},
                           int{p.GetFavouriteTactic()}, int{p.GetLanguage(0)}, int{p.GetLanguage(1)}}) {
        add(v);
    }
    add(p.GetSalary());
    add(p.GetTransferClub());
    add(p.GetFavouriteClub());
    add(p.GetInjuryEndDate().GetDayNumber());
    if (At(version, 0x2007, 0)) add(p.GetTransferFee());
    if (At(version, 0x2007, 16)) add(p.GetCallOption());
    if (At(version, 0x2004, 0)) d += "|" + Narrow(p.GetNotes().c_str());
    if (!At(version, 0x2005, 0)) return d;
    for (int n = 0; n < p.GetHistoryCount(); ++n) {
        const THistoryEntry& e = p.GetHistoryEntry(n);
        for (std::int64_t v : {std::int64_t{e.clubId}, std::int64_t{e.start.GetDayNumber()},
                               std::int64_t{e.end.GetDayNumber()}, std::int64_t{e.matches}, std::int64_t{e.goals},
                               std::int64_t{e.entryFlags}}) {
            add(v);
        }
        if (At(version, 0x2007, 13)) add(e.reserveMatches + e.reserveGoals * 1000 + std::int64_t{e.fee} * 100000);
    }
    return d;
}

class PersonSectionTest : public database_testing::CurrentWorldTest {
protected:
    TCountry& Country() { return *world_->GetCountry(21); }

    void Load(const std::u16string& path)
    {
        Restart();
        CIndexTextFile file;
        ASSERT_TRUE(file.OpenRead(path));
        MessageCapture messages;
        ASSERT_TRUE(ReadCountrySections(Country(), file)) << Narrow(path);
        EXPECT_TRUE(messages.Messages().empty());
    }

    // Files before 2006-1 held no staff.
    std::vector<const TPerson*> Persons(std::uint32_t version = TDatabaseVersion::ProgramVersion)
    {
        std::vector<const TPerson*> persons;
        for (int index = 0; index < Country().GetClubCount(); ++index) {
            const TClub* club = Country().GetClubByIndex(index);
            for (int slot = 0; club != nullptr && slot < club->GetSquadCount(); ++slot) {
                const TPerson* person = club->GetSquadPerson(slot);
                if (person->IsPlayer() || version > 0x20060000) persons.push_back(person);
            }
        }
        return persons;
    }

    std::string Save() { return database_testing::SaveCountry(Country(), base_.DatabasePath(u"Country21.sav")); }

    TPerson* ReadText(const std::string& text, bool staff = false)
    {
        // The written text's mark goes back on, so that a drawn name with
        // accents reads as UTF-8 and not in the system's code page.
        CIndexTextFile file;
        EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes("\xEF\xBB\xBF" + text), u"person"));
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        EXPECT_EQ(staff ? person->ReadStaff(file) : person->ReadPlayer(file), TSectionRead::Read);
        return person;
    }

    std::string WriteText(const TPerson& person, bool staff = false)
    {
        BuildGameIdMaps(GetGameIdMaps());
        return database_testing::WrittenText(
            [&](CIndexTextFile& file) { return staff ? person.WriteStaff(file) : person.WritePlayer(file); });
    }
};

}  // namespace

TEST_F(PersonSectionTest, EveryLayoutGivesThePersonsItCanHoldAndSavesTheSameAgain)
{
    const std::u16string folder = testing_support::BinaryPath(u"generated\\fixtures");
    if (!platform::FileExists(platform::JoinPath(folder, u"Country21_2007-16.sav"))) GTEST_SKIP() << "no fixtures";
    Load(platform::JoinPath(folder, u"Country21_2007-26.sav"));
    std::vector<std::string> newest;
    std::vector<const TPerson*> persons = Persons();
    ASSERT_GT(persons.size(), 40u);
    const std::u16string names[] = {u"v1", u"2004", u"2005", u"2006", u"2007-00", u"2007-01", u"2007-05",
                                    u"2007-13", u"2007-16", u"2007-22"};
    const std::uint32_t versions[] = {1, 0x20040000, 0x20050000, 0x20060000, 0x20070000, 0x20070001, 0x20070005,
                                      0x2007000D, 0x20070010, 0x20070016};
    std::vector<std::vector<std::string>> expected(std::size(names));
    for (std::size_t n = 0; n < std::size(names); ++n) {
        for (const TPerson* p : Persons(versions[n])) expected[n].push_back(Describe(*p, versions[n]));
    }
    for (std::size_t n = 0; n < std::size(names); ++n) {
        SCOPED_TRACE(Narrow(names[n]));
        Load(platform::JoinPath(folder, u"Country21_" + std::u16string(names[n]) + u".sav"));
        persons = Persons(versions[n]);
        ASSERT_EQ(persons.size(), expected[n].size());
        for (std::size_t p = 0; p < persons.size(); ++p) EXPECT_EQ(Describe(*persons[p], versions[n]), expected[n][p]);
        if (versions[n] < 0x20060000) {
            const TPerson& first = *persons[0];
            EXPECT_EQ(first.GetAbility(32), 75) << "Consistency";
            EXPECT_EQ(first.GetAbility(34), static_cast<std::uint8_t>((first.GetAge() + 5) * 2)) << "Leadership";
            EXPECT_EQ(first.GetAbility(11), first.GetAbility(10)) << "LongPassing is Passing";
        }
        const std::string saved = Save();
        Load(base_.DatabasePath(u"Country21.sav"));
        EXPECT_EQ(Save(), saved);
    }
}

TEST_F(PersonSectionTest, NotesInjuryKindAndExtraLinesTravelAsTheirRulesSay)
{
    TPerson& p = *world_->CreatePerson(world_->GetFreePersonId(), false);
    p.SetFirstName(u"Anna\tMaria");
    p.SetLastName(u"Berg");
    p.SetNotes(u"one\r\ntwo\r\nthree");
    p.SetTransferState(1);
    p.SetInjuryStartDate(TDate(2007, 7, 1));
    p.SetInjuryEndDate(TDate(2007, 9, 29));
    const std::string plain = WriteText(p);
    EXPECT_NE(plain.find("Anna Maria\r\nBerg\r\n"), std::string::npos);
    EXPECT_NE(plain.find("\r\n21\r\n%INDEX%DATE\r\n1\r\n7\r\n2007\r\n"), std::string::npos) << "90 days: kind 21";
    EXPECT_NE(plain.find("\r\none\ttwo\tthree\r\n0\r\n%INDEXEND%PLAYER\r\n"), std::string::npos);
    const TPerson& read = *ReadText(plain);
    EXPECT_EQ(read.GetNotes(), u"one\r\ntwo\r\nthree");
    EXPECT_EQ(read.GetInjuryKind(), 21);
    EXPECT_EQ(WriteText(read), plain) << "no extra lines without such values";

    TCountry& england = *world_->GetCountry(14);
    const std::uint32_t club = england.GetClubByUniqueId(england.CreateClub(u"Disliked"))->GetId();
    p.SetDislikedClub(club);
    p.SetFavouriteCountry(7);
    const std::string extra = WriteText(p);
    EXPECT_NE(extra.find("\r\n0\r\n" + std::to_string(club) + "\r\n7\r\n%INDEXEND%PLAYER"), std::string::npos);
    const TPerson& back = *ReadText(extra);
    EXPECT_EQ(back.GetDislikedClub(), club);
    EXPECT_EQ(back.GetFavouriteCountry(), 7);

    p.SetType(1);
    p.SetLinkedPersonId(77);
    const TPerson& staff = *ReadText(WriteText(p, true), true);
    EXPECT_EQ(staff.GetLinkedPersonId(), 77u);
    EXPECT_EQ(staff.GetDislikedClub(), club);
}

TEST_F(PersonSectionTest, AnInjuredPersonKeepsAKnownKindAndOnlyAMissingOrUnknownOneFollowsTheLength)
{
    const struct {
        int state;
        std::uint8_t kind;
        const char* written;
    } cases[] = {
        {1, 7, "7"}, {1, 1, "1"}, {1, 41, "41"}, {1, 0, "21"}, {1, 42, "21"}, {1, 50, "21"}, {0, 7, "0"}, {0, 50, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.state) + "/" + std::to_string(c.kind));
        TPerson& p = *world_->CreatePerson(world_->GetFreePersonId(), false);
        p.SetLastName(u"Injured");
        p.SetTransferState(c.state);
        p.SetInjuryKind(c.kind);
        p.SetInjuryStartDate(TDate(2007, 7, 1));
        p.SetInjuryEndDate(TDate(2007, 9, 29));
        const std::string text = WriteText(p);
        EXPECT_NE(text.find(std::string("\r\n") + c.written + "\r\n%INDEX%DATE\r\n1\r\n7\r\n2007\r\n"), std::string::npos);
        const TPerson& read = *ReadText(text);
        EXPECT_EQ(read.GetInjuryKind(), std::stoi(c.written));
        EXPECT_EQ(WriteText(read), text);
    }
}

TEST_F(PersonSectionTest, ClubsTheWorldDoesNotHoldWriteNoOptionalLinesSoASavedFileSavesTheSame)
{
    // Country 14, index 99: no such club, so its save id is 0.
    constexpr std::uint32_t Missing = 0x000E0063;
    TPerson& p = *world_->CreatePerson(world_->GetFreePersonId(), false);
    p.SetLastName(u"Loyal");
    const std::string plain = WriteText(p);
    p.SetDislikedClub(Missing);
    const std::string first = WriteText(p);
    EXPECT_EQ(first, plain) << "no lines of a club the save cannot name";
    EXPECT_EQ(WriteText(*ReadText(first)), first);
    TPerson& coach = *world_->CreatePerson(world_->GetFreePersonId(), false);
    coach.SetType(1);
    coach.SetLastName(u"Coach");
    const std::string plainStaff = WriteText(coach, true);
    coach.SetFavouriteClub(Missing);
    coach.SetSecondClub(Missing);
    coach.SetDislikedClub(Missing);
    const std::string staff = WriteText(coach, true);
    EXPECT_EQ(staff, plainStaff);
    EXPECT_EQ(WriteText(*ReadText(staff, true), true), staff);
    coach.SetLinkedPersonId(5);
    EXPECT_NE(WriteText(coach, true).find("\r\n0\r\n0\r\n0\r\n5\r\n%INDEXEND%STAFF"), std::string::npos);
}

// A reader trims a name; a mark it then finds in front goes at the first
// save, and with it the blanks it would expose, so that every later save
// writes what the first one wrote.
TEST_F(PersonSectionTest, ANameWithAMarkBehindABlankIsWrittenAtTheFirstSaveAsEveryLaterSaveWritesIt)
{
    const struct {
        const char* line;
        const char16_t* name;
    } cases[] = {
        {" ; Anna", u"Anna"}, {" %\tBerg", u"Berg"}, {"\t; ;%  Nick", u"Nick"}, {" ;\xC2\xA0Pseudo", u"Pseudo"},
        {" %;x y", u"x y"},
    };
    for (const auto& c : cases) {
        for (const bool staff : {false, true}) {
            SCOPED_TRACE(std::string(c.line) + (staff ? " (staff)" : " (player)"));
            const char* key = staff ? "STAFF" : "PLAYER";
            const std::string section =
                std::string("%INDEX%") + key + "\r\n" + c.line + "\r\n" + c.line + "\r\n%INDEXEND%" + key + "\r\n";
            const TPerson& read = *ReadText(section, staff);
            const std::string first = WriteText(read, staff);
            const TPerson& again = *ReadText(first, staff);
            EXPECT_EQ(std::u16string(again.GetFirstName()), c.name);
            EXPECT_EQ(std::u16string(again.GetLastName()), c.name);
            EXPECT_EQ(WriteText(again, staff), first);
        }
    }
}

namespace {

// Saves a record, loads the save into loaded and tells whether loaded
// saves the same bytes again.
template <typename Record>
bool SavesAlikeAfterALoad(const Record& record, Record& loaded, bool (Record::*write)(CIndexTextFile&) const,
                          TSectionRead (Record::*read)(CIndexTextFile&))
{
    const std::string first = database_testing::WrittenText([&](CIndexTextFile& out) { return (record.*write)(out); });
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenFromBytes(testing_support::Bytes("\xEF\xBB\xBF" + first), u"names"));
    TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
    EXPECT_EQ((loaded.*read)(file), TSectionRead::Read);
    return database_testing::WrittenText([&](CIndexTextFile& out) { return (loaded.*write)(out); }) == first;
}

}  // namespace

// A name as typed: saved, loaded and saved again, each kind of record that
// holds typed names gives the name it stored and the bytes of the first save.
TEST_F(PersonSectionTest, ATypedNameIsStoredAsASaveAndALoadGiveItBack)
{
    const struct {
        const char16_t* typed;
        const char16_t* kept;
    } cases[] = {
        {u" ;Smith", u"Smith"}, {u" %Smith", u"Smith"}, {u";Smith", u"Smith"},  {u"%Smith", u"Smith"},
        {u"  Anna", u"Anna"},   {u"Anna ", u"Anna"},    {u"Jo \t Ann", u"Jo Ann"}, {u"\u00A0;Berg", u"Berg"},
        {u"O`Neil", u"O'Neil"}, {u"Kay\u2013Lee", u"Kay-Lee"}, {u"X\xD800", u"X\uFFFD"}, {u" ; ", u""},
    };
    BuildGameIdMaps(GetGameIdMaps());
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.typed));
        for (const bool staff : {false, true}) {
            TPerson& typed = *world_->CreatePerson(world_->GetFreePersonId(), false);
            typed.SetType(staff ? 5 : 0);
            typed.SetFirstName(c.typed);
            typed.SetLastName(c.typed);
            EXPECT_EQ(std::u16string(typed.GetLastName()), c.kept);
            const std::string first = WriteText(typed, staff);
            const TPerson& loaded = *ReadText(first, staff);
            EXPECT_EQ(std::u16string(loaded.GetFirstName()), c.kept) << (staff ? "STAFF" : "PLAYER");
            EXPECT_EQ(std::u16string(loaded.GetLastName()), c.kept) << (staff ? "STAFF" : "PLAYER");
            EXPECT_EQ(WriteText(loaded, staff), first) << (staff ? "STAFF" : "PLAYER");
        }
        TReferee referee;
        referee.SetNames(c.typed, c.typed);
        TReferee loadedReferee;
        EXPECT_TRUE(SavesAlikeAfterALoad(referee, loadedReferee, &TReferee::WriteReferee, &TReferee::ReadReferee));
        EXPECT_EQ(std::u16string(loadedReferee.GetLastName()), c.kept) << "referee";
        TPoolPlayer entry;
        entry.SetFirstName(c.typed);
        entry.SetLastName(c.typed);
        entry.SetPseudonym(c.typed);
        TPoolPlayer loadedEntry;
        EXPECT_TRUE(SavesAlikeAfterALoad(entry, loadedEntry, &TPoolPlayer::WritePoolPlayer, &TPoolPlayer::ReadPoolPlayer));
        EXPECT_EQ(std::u16string(loadedEntry.GetPseudonym()), c.kept) << "pool entry";
    }
}

TEST_F(PersonSectionTest, DamagedSectionsKeepTheirFieldsAndNeverReadTheNextSection)
{
    const TPerson& p = *ReadText("%INDEX%PLAYER\r\nShort\r\n%INDEX%HIST\r\n99\r\n0\r\n%INDEXEND%HIST\r\n"
                                 "%INDEX%XTRA\r\n%INDEX%INNER\r\n%INDEXEND%INNER\r\n%INDEXEND%XTRA\r\n"
                                 "%INDEXEND%PLAYER\r\n");
    EXPECT_EQ(std::u16string(p.GetFirstName()), u"Short");
    EXPECT_EQ(p.GetHistoryCount(), 1) << "entries run to the end line whatever the count";
    EXPECT_EQ(p.GetAbility(5), 40);
    EXPECT_EQ(p.GetHeight(), 180);
    CIndexTextFile file;
    ASSERT_TRUE(file.OpenFromBytes(testing_support::Bytes("%INDEX%PLAYER\r\nA\r\n%INDEX%HIST\r\n"), u"p"));
    TPerson scratch(world_, 0);
    EXPECT_EQ(scratch.ReadPlayer(file), TSectionRead::Unterminated);
}

TEST(PersonRecord, DefaultsHistoryLimitsAndStateBits)
{
    TPerson p(nullptr, 0);
    EXPECT_EQ(p.GetTransferStartDate(), TDate(2007, 7, 1));
    EXPECT_EQ(p.GetTransferEndDate(), TDate(2008, 6, 30));
    EXPECT_TRUE(p.IsRatingStale());
    THistoryEntry entry;
    entry.start = TDate(2001, 7, 1);
    entry.end = TDate(2000, 6, 30);
    for (int n = 0; n < 31; ++n) p.AddHistoryEntry(entry);
    EXPECT_EQ(p.GetHistoryCount(), 30) << "no 31st entry";
    EXPECT_EQ(p.GetHistoryEntry(0).end, entry.start);
    EXPECT_EQ(p.GetHistoryEntry(30).clubId, 0u);
    p.SetTransferState(5);
    EXPECT_EQ(p.GetStateBits(), 16);
    p.SetTransferFee(-5);
    EXPECT_EQ(p.GetTransferFee(), 0);
    p.SetTransferFee(-1);
    EXPECT_EQ(p.GetTransferFee(), -1);
    p.SetFirstName(u"Abcdefghijklmnopqrst");
    EXPECT_EQ(std::u16string(p.GetFirstName()), u"Abcdefghijklmno");
    p.SetLanguage(0, 4);
    p.SetLanguage(2, 4);
    EXPECT_EQ(p.GetLanguage(2), 0);
}

TEST_F(PersonSectionTest, RepairBringsEveryValueBackIntoItsRange)
{
    TCountry& england = *world_->GetCountry(14);
    const std::uint32_t club = england.GetClubByUniqueId(england.CreateClub(u"Known"))->GetId();
    TPerson& p = *world_->CreatePerson(world_->GetFreePersonId(), false);
    p.SetPseudonym(u"?Unknown");
    p.SetNationality(0);
    p.SetReserveShirtNumber(120);
    p.SetAbility(3, 140);
    p.SetHeightWeight(90, 30);
    p.SetYearJoined(1975);
    p.SetContractUntil(2020);
    p.SetFavouriteClub(club);
    p.SetSecondClub(club + 1);
    p.SetDislikedClub(0x00D00001);
    p.SetLinkedPersonId(p.GetId());
    for (int slot = 0; slot < 6; ++slot) p.SetPosition(slot, static_cast<std::uint8_t>("\x05\x05\x09\x09\x02\x02"[slot]));
    p.SetNationalBits(0);
    CrtSrand(1);
    p.Repair(14);
    EXPECT_EQ(p.GetShirtNumber(), 43) << "rand right after srand(1)";
    EXPECT_EQ(p.GetPseudonym()[0], 0);
    EXPECT_EQ(p.GetNationality(), 14);
    EXPECT_EQ(p.GetReserveShirtNumber(), 99);
    EXPECT_EQ(p.GetAbility(3), 99);
    EXPECT_EQ(p.GetHeight(), 180);
    EXPECT_EQ(p.GetWeight(), 75);
    EXPECT_EQ(p.GetYearJoined(), 1980);
    EXPECT_EQ(p.GetContractUntil(), 2015);
    EXPECT_EQ(p.GetFavouriteClub(), club);
    EXPECT_EQ(p.GetSecondClub(), 0u);
    EXPECT_EQ(p.GetDislikedClub(), 0u);
    EXPECT_EQ(p.GetLinkedPersonId(), p.GetId());
    std::string positions;
    for (int slot = 0; slot < 6; ++slot) positions += std::to_string(p.GetPosition(slot)) + ",";
    EXPECT_EQ(positions, "5,0,9,9,2,0,") << "repeats in the main and in the other slots cleared";

    struct TStateCase {
        std::uint8_t bits;
        std::uint8_t injuryKind;
        TDate injuryEnd;
        std::uint8_t repaired;
    };
    for (const TStateCase& c : {TStateCase{0x12, 0, TDate(2007, 8, 1), 0x02},
                                TStateCase{0x11, 3, TDate(2007, 8, 1), 0x01},
                                TStateCase{0x11, 3, TDate(2007, 6, 30), 0x00}, TStateCase{0x09, 3, TDate(2007, 8, 1), 0x09}}) {
        TPerson q(world_, 0);
        CrtSrand(1);
        q.SetInjuryKind(c.injuryKind);
        q.SetInjuryEndDate(c.injuryEnd);
        q.SetStateBits(c.bits);
        q.Repair(14);
        EXPECT_EQ(q.GetStateBits(), c.repaired) << int{c.bits};
    }
}

TEST_F(PersonSectionTest, PoolEntriesTravelAndOldFilesLeaveTheirLooksToTheCountry)
{
    TPoolPlayer entry;
    entry.SetLastName(u"Smith");
    EXPECT_EQ(entry.GetShortName(), u"Smith");
    EXPECT_FALSE(entry.IsUsed());
    entry.SetFirstName(u"Anna");
    entry.SetLastName(u"Berg");
    EXPECT_EQ(entry.GetShortName(), u"Berg,A.");
    entry.SetPseudonym(u"Real");
    entry.SetTeamPart(4);
    entry.SetShoe(7);
    BuildGameIdMaps(GetGameIdMaps());
    const std::string text = database_testing::WrittenText([&](CIndexTextFile& out) { return entry.WritePoolPlayer(out); });
    EXPECT_EQ(text, "%INDEX%PL_POOL\r\nAnna\r\nBerg\r\nReal\r\n0\r\n0\r\n-1\r\n4\r\n%INDEX%DATE\r\n1\r\n1\r\n1992\r\n"
                    "%INDEXEND%DATE\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n7\r\n%INDEXEND%PL_POOL\r\n");
    const std::string old = text.substr(0, text.find("%INDEX%DATE")) + "%INDEXEND%PL_POOL\r\n";
    for (std::uint32_t version : {TDatabaseVersion::ProgramVersion, MakeDatabaseVersion(0x2006, 0)}) {
        CIndexTextFile in;
        ASSERT_TRUE(in.OpenFromBytes(testing_support::Bytes(version == TDatabaseVersion::ProgramVersion ? text : old),
                                     u"pool"));
        TDatabaseVersion::SetFileVersion(version);
        TPoolPlayer read;
        EXPECT_EQ(read.ReadPoolPlayer(in), TSectionRead::Read);
        EXPECT_EQ(std::u16string(read.GetPseudonym()), u"Real");
        EXPECT_EQ(read.GetPreferredClub(), TPoolPlayer::CreateClub);
        EXPECT_EQ(read.GetShoe(), version == TDatabaseVersion::ProgramVersion ? 7 : 2);
        EXPECT_EQ(read.GetTalent(), version == TDatabaseVersion::ProgramVersion ? 0 : 4);
    }
    entry.Reset();
    EXPECT_EQ(entry.GetPseudonym()[0], 0) << "the legal reset keeps no real pseudonym";
    EXPECT_EQ(entry.GetNationality(), 1);
}

TEST_F(PersonSectionTest, HistoryDatesKeepEveryDayThatCanBeWrittenBackAndOnlyThose)
{
    // Day, month, year; the day number read (Python's toordinal() + 1721425), or 0 for no date.
    const std::pair<const char*, std::uint32_t> dates[] = {
        {"1\r\n1\r\n0", 0},           {"1\r\n3\r\n0", 1721120},       {"31\r\n12\r\n0", 1721425},
        {"1\r\n1\r\n1", 1721426},     {"28\r\n2\r\n1", 1721484},      {"1\r\n7\r\n1995", 2449900},
        {"31\r\n2\r\n2007", 2454163}, {"31\r\n12\r\n9999", 5373484},  {"1\r\n1\r\n-5000", 0},
        {"1\r\n1\r\n20000000", 0},
    };
    std::string text = "%INDEX%PLAYER\r\nA\r\n%INDEX%HIST\r\n1\r\n";
    for (const auto& [date, dayNumber] : dates) {
        text += std::string("0\r\n7\r\n%INDEX%DATE\r\n") + date + "\r\n%INDEXEND%DATE\r\n" +
                "%INDEX%DATE\r\n1\r\n1\r\n0\r\n%INDEXEND%DATE\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    }
    const TPerson& p = *ReadText(text + "%INDEXEND%HIST\r\n%INDEXEND%PLAYER\r\n");
    ASSERT_EQ(p.GetHistoryCount(), static_cast<int>(std::size(dates)));
    // Entries come sorted by their start: no dates first, in the file's order.
    std::vector<std::uint32_t> expected;
    for (const auto& entry : dates) expected.push_back(entry.second);
    std::stable_sort(expected.begin(), expected.end());
    for (int n = 0; n < p.GetHistoryCount(); ++n) {
        EXPECT_EQ(p.GetHistoryEntry(n).start.GetDayNumber(), expected[static_cast<std::size_t>(n)]) << n;
        EXPECT_FALSE(p.GetHistoryEntry(n).end.IsSet());
    }
}
