#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <regex>

#include "tests/database/DatabaseTestSupport.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "database/country/CountryFile.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;
using testing_support::Narrow;
using testing_support::ReadBytes;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Gives a file the age of one left by an earlier run of the program.
void Backdate(const std::u16string& path)
{
    std::u16string native = platform::MakeAbsolute(path);
    std::replace(native.begin(), native.end(), u'\\', u'/');
    std::filesystem::last_write_time(std::filesystem::path(native),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
}

// The sample database in a scratch base, with a fresh current world.
class SafeSaveTest : public database_testing::SampleWorldTest {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        platform::SkipDiskWaits(true);
    }
    void TearDown() override
    {
        platform::FailWritesAfter(0);
        platform::SkipDiskWaits(false);
        SampleWorldTest::TearDown();
    }
    // Gives the large countries but those named the contents of a small
    // one, so that the hundreds of saves of a test stay quick.
    void ShrinkLargeCountriesBut(std::initializer_list<int> kept)
    {
        const Bytes small = ReadBytes(base_.DatabasePath(u"Country91.sav"));
        for (int id : {14, 21, 45}) {
            if (std::find(kept.begin(), kept.end(), id) == kept.end()) {
                testing_support::WriteBytes(world_->GetCountryFilePath(id), small);
            }
        }
    }
    // Every file of the database folder by name.
    std::map<std::u16string, Bytes> Folder() const
    {
        std::map<std::u16string, Bytes> files;
        for (const auto& name : platform::ListFolder(base_.DatabasePath(u""))) files[name] = ReadBytes(base_.DatabasePath(name));
        return files;
    }
    // Marks every country changed, so that a save rewrites every file.
    void ChangeEveryCountry()
    {
        for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) world_->GetCountry(id)->SetLongText(u"changed");
    }
};

// The damaged forms of a country file that an editor must not overwrite.
std::vector<std::pair<const char*, std::string>> DamagedForms(const std::string& file)
{
    const auto replaceLineAfter = [&file](const std::string& marker, const std::string& value) {
        const std::size_t start = file.find(marker) + marker.size();
        return file.substr(0, start) + value + file.substr(file.find("\r\n", start));
    };
    const auto cutAfter = [&file](const std::string& marker) { return file.substr(0, file.rfind(marker) + marker.size()); };
    return {
        {"second mark", "\xEF\xBB\xBF" + file},
        {"zero after the mark", file.substr(0, 3) + std::string(1, '\0') + file.substr(3)},
        {"cut after the competitions", cutAfter("%INDEXEND%COMPETITION\r\n")},
        {"cut after the last club", cutAfter("%INDEXEND%CLUB65535\r\n")},
        {"club count too small", replaceLineAfter("%INDEX%CLUBS\r\n", "11")},
        {"club count abc", replaceLineAfter("%INDEX%CLUBS\r\n", "abc")},
        {"club count empty", replaceLineAfter("%INDEX%CLUBS\r\n", "")},
        {"club count 0x10", replaceLineAfter("%INDEX%CLUBS\r\n", "0x10")},
        {"club count 2^32", replaceLineAfter("%INDEX%CLUBS\r\n", "4294967296")},
        {"league team of no club", replaceLineAfter("%INDEX%TEAMS\r\n", "e0063,e0002")},
        {"version x", replaceLineAfter("%INDEX%VERSION\r\n", "x")},
        {"version too long", replaceLineAfter("%INDEX%VERSION\r\n", "99999999999999")},
    };
}

TEST_F(SafeSaveTest, ADamagedCountryFileIsReportedOnceAndKeptUnlessTheUserAgrees)
{
    ShrinkLargeCountriesBut({14});
    const Bytes original = ReadBytes(base_.DatabasePath(u"Country14.sav"));
    for (const auto& [name, damaged] : DamagedForms(Text(original))) {
        SCOPED_TRACE(name);
        base_.WriteDatabaseFile(u"Country14.sav", damaged);
        NewWorld();
        {
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
            ASSERT_EQ(messages.Messages().size(), 1u);
            EXPECT_NE(messages.Messages()[0].find(u"Country14.sav"), std::u16string::npos);
        }
        ASSERT_TRUE(world_->GetCountry(14)->IsDamaged());
        world_->GetCountry(1)->SetLongText(std::u16string(name, name + std::strlen(name)).c_str());
        const Bytes otherBefore = ReadBytes(base_.DatabasePath(u"Country1.sav"));
        {
            MessageCapture no(AppMessage::IdNo);
            const auto result = world_->SaveWorld();
            EXPECT_TRUE(result.saved);
            EXPECT_EQ(result.keptDamaged, std::vector<int>{14});
            ASSERT_EQ(no.Messages().size(), 1u);
            EXPECT_NE(no.Messages()[0].find(u"(Country14.sav)"), std::u16string::npos);
            EXPECT_EQ(no.Flags()[0], AppMessage::YesNo | AppMessage::IconWarning | AppMessage::DefaultSecond);
        }
        EXPECT_EQ(Text(ReadBytes(base_.DatabasePath(u"Country14.sav"))), damaged);
        EXPECT_NE(ReadBytes(base_.DatabasePath(u"Country1.sav")), otherBefore);
        {
            MessageCapture nobody;
            EXPECT_EQ(world_->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).keptDamaged, std::vector<int>{14});
            EXPECT_TRUE(nobody.Messages().empty());
        }
        EXPECT_EQ(Text(ReadBytes(base_.DatabasePath(u"Country14.sav"))), damaged);
        {
            MessageCapture yes(AppMessage::IdYes);
            EXPECT_TRUE(world_->SaveWorld().keptDamaged.empty());
        }
        EXPECT_NE(Text(ReadBytes(base_.DatabasePath(u"Country14.sav"))), damaged);
        EXPECT_FALSE(world_->GetCountry(14)->IsDamaged());
    }
}

// A country file whose competition section is left open gives none of its
// clubs; kept with No it still holds them, and so Rules.sav keeps its final
// host and two fairness clubs there, while a club that no file holds is
// cleared. Replacing the file with what was read drops the three.
TEST_F(SafeSaveTest, AKeptCountryFileKeepsWhatRulesSavSaysOfItsClubs)
{
    const std::string rules = database_testing::FileText(base_.DatabasePath(u"Rules.sav"));
    std::string unknownHost = rules;
    const std::string hostLine = "\r\n1376259\r\n0\r\n";
    ASSERT_NE(unknownHost.find(hostLine), std::string::npos);
    unknownHost.replace(unknownHost.find(hostLine), hostLine.size(), "\r\n1376259\r\n1376355\r\n");
    base_.WriteDatabaseFile(u"Rules.sav", unknownHost);
    std::string country = database_testing::FileText(base_.DatabasePath(u"Country14.sav"));
    const std::string end = "%INDEXEND%COMP0\r\n";
    ASSERT_NE(country.find(end), std::string::npos);
    base_.WriteDatabaseFile(u"Country14.sav", country.erase(country.find(end), end.size()));
    {
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        ASSERT_EQ(messages.Messages().size(), 1u);
    }
    ASSERT_TRUE(world_->GetCountry(14)->IsDamaged());
    ASSERT_EQ(world_->GetClub(917510), nullptr) << "the final host was not read";
    {
        MessageCapture no(AppMessage::IdNo);
        ASSERT_EQ(world_->SaveWorld().keptDamaged, std::vector<int>{14});
    }
    EXPECT_EQ(database_testing::FileText(base_.DatabasePath(u"Rules.sav")), rules);
    {
        MessageCapture yes(AppMessage::IdYes);
        ASSERT_TRUE(world_->SaveWorld().keptDamaged.empty());
    }
    std::string dropped = rules;
    for (const std::string club : {"917510", "917505", "917508"}) {
        const std::string line = "\r\n" + club + "\r\n";
        ASSERT_NE(dropped.find(line), std::string::npos);
        dropped.replace(dropped.find(line), line.size(), "\r\n0\r\n");
    }
    EXPECT_EQ(database_testing::FileText(base_.DatabasePath(u"Rules.sav")), dropped);
    EXPECT_EQ(world_->GetRulesAndMisc().GetFairnessClub(0), 0u) << "the world forgets them too";
}

// Every kind of reference another file makes to a club: a club of Country21,
// its first player and its first staff member, its country's first pool
// entry and the first player without club.
struct TClubReference {
    const char* name;
    void (*set)(TCompleteWorld& world, TTeamId club);
    TTeamId (*get)(const TCompleteWorld& world);
};

TClub& ClubOf21(const TCompleteWorld& world) { return *world.GetClub(0x00150001); }

TPerson& SquadMember(const TCompleteWorld& world, bool player)
{
    const TClub& club = ClubOf21(world);
    for (int slot = 0;; ++slot) {
        if (club.GetSquadPerson(slot)->IsPlayer() == player) return *club.GetSquadPerson(slot);
    }
}

TPerson& FreeAgent(const TCompleteWorld& world) { return *world.GetFreeAgents().GetPlayer(0); }

void SetFirstHistoryClub(TPerson& person, TTeamId club)
{
    THistoryEntry entry = person.GetHistoryEntry(0);
    entry.clubId = club;
    person.SetHistoryEntry(0, entry);
}

const TClubReference ClubReferences[] = {
    {"partner club", [](TCompleteWorld& w, TTeamId id) { ClubOf21(w).SetPartnerClub(id); },
     [](const TCompleteWorld& w) { return ClubOf21(w).GetPartnerClub(); }},
    {"second rival", [](TCompleteWorld& w, TTeamId id) { ClubOf21(w).SetRival(1, id); },
     [](const TCompleteWorld& w) { return ClubOf21(w).GetRival(1); }},
    {"player's history club", [](TCompleteWorld& w, TTeamId id) { SetFirstHistoryClub(SquadMember(w, true), id); },
     [](const TCompleteWorld& w) { return SquadMember(w, true).GetHistoryEntry(0).clubId; }},
    {"player's favourite club", [](TCompleteWorld& w, TTeamId id) { SquadMember(w, true).SetFavouriteClub(id); },
     [](const TCompleteWorld& w) { return SquadMember(w, true).GetFavouriteClub(); }},
    {"player's disliked club", [](TCompleteWorld& w, TTeamId id) { SquadMember(w, true).SetDislikedClub(id); },
     [](const TCompleteWorld& w) { return SquadMember(w, true).GetDislikedClub(); }},
    {"player's second club", [](TCompleteWorld& w, TTeamId id) { SquadMember(w, true).SetSecondClub(id); },
     [](const TCompleteWorld& w) { return SquadMember(w, true).GetSecondClub(); }},
    {"player's transfer club", [](TCompleteWorld& w, TTeamId id) { SquadMember(w, true).SetTransferClub(id); },
     [](const TCompleteWorld& w) { return SquadMember(w, true).GetTransferClub(); }},
    {"staff member's second club", [](TCompleteWorld& w, TTeamId id) { SquadMember(w, false).SetSecondClub(id); },
     [](const TCompleteWorld& w) { return SquadMember(w, false).GetSecondClub(); }},
    {"pool entry's preferred club", [](TCompleteWorld& w, TTeamId id) { w.GetCountry(21)->GetPoolPlayer(0)->SetPreferredClub(id); },
     [](const TCompleteWorld& w) { return w.GetCountry(21)->GetPoolPlayer(0)->GetPreferredClub(); }},
    {"free agent's history club", [](TCompleteWorld& w, TTeamId id) { SetFirstHistoryClub(FreeAgent(w), id); },
     [](const TCompleteWorld& w) { return FreeAgent(w).GetHistoryEntry(0).clubId; }},
};

// Every file names England's club 917510 in each way; Country14.sav then
// loses a club's end line, so that the load stops before that club. Kept
// with No, every other file saves as the whole database saved, byte for
// byte, and names the club again at the next load; replaced with Yes, the
// references are cleared, in the world too: a club created later with the
// lost club's number is named by none of them.
TEST_F(SafeSaveTest, AKeptCountryFileKeepsWhatEveryOtherFileSaysOfItsClubs)
{
    constexpr TTeamId Club = 917510;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    ASSERT_NE(world_->GetClub(Club), nullptr);
    for (const TClubReference& reference : ClubReferences) reference.set(*world_, Club);
    ASSERT_TRUE(world_->SaveWorld().saved);
    auto whole = Folder();
    std::string country = Text(whole.at(u"Country14.sav"));
    const std::string end = "%INDEXEND%CLUB5\r\n";
    ASSERT_NE(country.find(end), std::string::npos);
    base_.WriteDatabaseFile(u"Country14.sav", country.erase(country.find(end), end.size()));
    whole.erase(u"Country14.sav");
    const auto load = [this] {
        NewWorld();
        MessageCapture messages;
        return world_->LoadWorld(u"Database");
    };
    for (const int answer : {AppMessage::IdNo, AppMessage::IdYes}) {
        ASSERT_TRUE(load());
        ASSERT_TRUE(world_->GetCountry(14)->IsDamaged());
        ASSERT_EQ(world_->GetClub(Club), nullptr) << "the reader stopped before the club";
        {
            MessageCapture question(answer);
            ASSERT_TRUE(world_->SaveWorld().saved);
        }
        if (answer == AppMessage::IdYes) {
            for (const TClubReference& reference : ClubReferences) EXPECT_EQ(reference.get(*world_), 0u) << reference.name;
            while (world_->GetClub(Club) == nullptr) ASSERT_NE(world_->GetCountry(14)->CreateClub(u"New"), 0u);
            ASSERT_TRUE(world_->SaveWorld().saved);
        }
        if (answer == AppMessage::IdNo) {
            for (const auto& [name, bytes] : whole) EXPECT_TRUE(ReadBytes(base_.DatabasePath(name)) == bytes) << Narrow(name);
            // The repair before a game export keeps them as well.
            TPerson& player = SquadMember(*world_, true);
            player.Repair(21);
            EXPECT_EQ(player.GetDislikedClub(), Club);
        }
        ASSERT_TRUE(load());
        for (const TClubReference& reference : ClubReferences) {
            EXPECT_EQ(reference.get(*world_), answer == AppMessage::IdNo ? Club : 0u) << reference.name;
        }
    }
}

std::string ClubPlace(TTeamId club)
{
    char text[24];
    std::snprintf(text, sizeof text, "club %x", club);
    return text;
}

std::string PersonKey(const TPerson& person)
{
    return Narrow(person.GetFirstName()) + " " + Narrow(person.GetLastName()) + " " +
           std::to_string(person.GetBirthDate().GetDayNumber());
}

// Hands visit each person with the place that holds him: a club's squad, a
// country's additional managers, the players without club.
template <typename Visit>
void ForEachPlacedPerson(const TCompleteWorld& world, Visit&& visit)
{
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        TCountry& country = *world.GetCountry(id);
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub& club = *country.GetClubByIndex(index);
            for (int slot = 0; slot < club.GetSquadCount(); ++slot) visit(ClubPlace(club.GetId()), *club.GetSquadPerson(slot));
        }
        for (const auto& entry : country.GetAdditionalManagers()) visit("managers " + std::to_string(id), *entry.second);
    }
    for (int index = 0; index < world.GetFreeAgents().GetCount(); ++index) {
        visit("without club", *world.GetFreeAgents().GetPlayer(index));
    }
}

// Every place that holds each person, by name and birth day.
std::map<std::string, std::vector<std::string>> PlacesByPerson(const TCompleteWorld& world)
{
    std::map<std::string, std::vector<std::string>> places;
    ForEachPlacedPerson(world, [&places](const std::string& place, const TPerson& person) {
        places[PersonKey(person)].push_back(place);
    });
    for (auto& entry : places) std::sort(entry.second.begin(), entry.second.end());
    return places;
}

// What a move writes into a person's record: joined year, contract, team,
// both shirt numbers and the history.
std::string MoveRecord(const TPerson& person)
{
    std::string record = std::to_string(person.GetYearJoined()) + " to " + std::to_string(person.GetContractUntil()) +
                         (person.IsReserveTeam() ? " reserve #" : " first #") + std::to_string(person.GetShirtNumber()) +
                         "/" + std::to_string(person.GetReserveShirtNumber());
    for (int index = 0; index < person.GetHistoryCount(); ++index) {
        const THistoryEntry& spell = person.GetHistoryEntry(index);
        char text[64];
        std::snprintf(text, sizeof text, ", %x %u-%u%s", spell.clubId, spell.start.GetDayNumber(),
                      spell.end.GetDayNumber(), spell.IsRunning() ? " running" : "");
        record += text;
    }
    return record;
}

std::map<std::string, std::string> RecordsByPerson(const TCompleteWorld& world)
{
    std::map<std::string, std::string> records;
    ForEachPlacedPerson(world, [&records](const std::string&, const TPerson& person) {
        records[PersonKey(person)] = MoveRecord(person);
    });
    return records;
}

// The clubs of the country at which the person's history holds a running
// spell.
std::vector<TTeamId> RunningClubsIn(const TPerson& person, int country)
{
    std::vector<TTeamId> clubs;
    for (int index = 0; index < person.GetHistoryCount(); ++index) {
        const THistoryEntry& spell = person.GetHistoryEntry(index);
        if (spell.IsRunning() && TeamCountry(spell.clubId) == country) clubs.push_back(spell.clubId);
    }
    return clubs;
}

const TPerson* FindPerson(const TCompleteWorld& world, const std::string& key)
{
    const TPerson* found = nullptr;
    ForEachPlacedPerson(world, [&](const std::string&, const TPerson& person) {
        if (PersonKey(person) == key) found = &person;
    });
    return found;
}

// A player made in the editor, his name new at each call.
TPerson* NewPlayer(TCompleteWorld& world)
{
    static char16_t serial = u'A';
    TPerson* person = world.CreatePerson(world.GetFreePersonId(), false);
    person->Init(PersonPlayer, 21);
    person->SetFirstName(u"Neu");
    person->SetLastName((u"Zugang " + std::u16string(1, serial++)).c_str());
    return person;
}

// A move between England's file and another: the person moved, null when
// he cannot be, where to, and where a save that keeps England's file puts
// him (null: where the first load had him).
struct TPersonMove {
    const char* name;
    TPerson* (*move)(TCompleteWorld& world);
    const char* to;
    const char* kept = nullptr;
};

TPerson* MoveFirstPlayer(TCompleteWorld& world, TTeamId from, TTeamId to)
{
    TPerson* person = world.GetClub(from)->GetSquadPerson(0);
    return person != nullptr && person->MoveToClub(world.GetClub(to), 0) ? person : nullptr;
}

const TPersonMove MovesAcrossEngland[] = {
    {"English player to a German club", [](TCompleteWorld& w) { return MoveFirstPlayer(w, 0xE0001, 0x150001); },
     "club 150001"},
    {"German player to an English club", [](TCompleteWorld& w) { return MoveFirstPlayer(w, 0x150002, 0xE0002); },
     "club e0002"},
    {"player without club to an English club",
     [](TCompleteWorld& w) {
         TPerson* person = w.GetFreeAgents().GetPlayer(0);
         return person != nullptr && person->MoveToClub(w.GetClub(0xE0003), 0) ? person : nullptr;
     },
     "club e0003"},
    {"English player to the players without club",
     [](TCompleteWorld& w) {
         TPerson* person = w.GetClub(0xE0004)->GetSquadPerson(0);
         return w.GetClub(0xE0004)->RemovePlayer(person) && w.GetFreeAgents().Add(person) == 1 ? person : nullptr;
     },
     "without club"},
    {"German additional manager to an English club",
     [](TCompleteWorld& w) {
         auto& managers = w.GetCountry(21)->GetAdditionalManagers();
         TPerson* person = managers.empty() ? nullptr : managers.begin()->second;
         if (person == nullptr || !w.GetClub(0xE0001)->AddPlayer(person)) return static_cast<TPerson*>(nullptr);
         managers.erase(managers.begin());
         return person;
     },
     "club e0001"},
    {"new player without club to an English club",
     [](TCompleteWorld& w) {
         TPerson* person = NewPlayer(w);
         return w.GetFreeAgents().Add(person) == 1 && person->MoveToClub(w.GetClub(0xE0003), 0) ? person : nullptr;
     },
     "club e0003", "without club"},
    {"new player of a German club to an English club",
     [](TCompleteWorld& w) {
         TPerson* person = NewPlayer(w);
         return w.GetClub(0x150003)->AddPlayer(person) && person->MoveToClub(w.GetClub(0xE0002), 0) ? person : nullptr;
     },
     "club e0002", "without club"},
};

// Country14.sav loses a club's end line, so that the load stops at its fifth
// club, and persons move into and out of its first four, two of them made
// after the load. Kept with No, the file cannot take the moves: the save
// puts each person back, with what the move changed as the files hold it,
// and names him; after the next load every person stands where the first
// load had him, once, with the team, numbers, contract and spells it read,
// and each new one stands among the players without club in no running
// spell at an English club. A save that fails keeps the moves. Replaced
// with Yes, every move is kept.
TEST_F(SafeSaveTest, APersonMovedIntoOrOutOfAKeptCountryFileStandsInOnePlace)
{
    std::string country = database_testing::FileText(base_.DatabasePath(u"Country14.sav"));
    const std::string end = "%INDEXEND%CLUB5\r\n";
    ASSERT_NE(country.find(end), std::string::npos);
    base_.WriteDatabaseFile(u"Country14.sav", country.erase(country.find(end), end.size()));
    const auto load = [this] {
        NewWorld();
        MessageCapture messages;
        return world_->LoadWorld(u"Database");
    };
    ASSERT_TRUE(load());
    const auto loaded = PlacesByPerson(*world_);
    const auto loadedRecords = RecordsByPerson(*world_);
    {
        MessageCapture no(AppMessage::IdNo);
        ASSERT_TRUE(world_->SaveWorld().saved) << "a save before the moves keeps what the file holds in mind";
    }
    for (const int answer : {AppMessage::IdNo, AppMessage::IdYes}) {
        std::vector<std::pair<std::string, std::u16string>> moved;
        for (const TPersonMove& move : MovesAcrossEngland) {
            const TPerson* person = move.move(*world_);
            ASSERT_NE(person, nullptr) << move.name;
            moved.emplace_back(PersonKey(*person), TPerson::GetShortName(person));
        }
        const auto movedPlaces = PlacesByPerson(*world_);
        const auto movedRecords = RecordsByPerson(*world_);
        {
            MessageCapture failure(answer);
            platform::FailWritesAfter(1);
            EXPECT_FALSE(world_->SaveWorld().saved);
            platform::FailWritesAfter(0);
            EXPECT_EQ(PlacesByPerson(*world_), movedPlaces) << "a failed save keeps every move";
            EXPECT_EQ(RecordsByPerson(*world_), movedRecords) << "and every record as the move left it";
        }
        {
            MessageCapture question(answer);
            ASSERT_TRUE(world_->SaveWorld().saved);
            EXPECT_EQ(question.Messages().size(), answer == AppMessage::IdNo ? 2u : 1u);
            for (const auto& [key, name] : moved) {
                const std::u16string& named = question.Messages().back();
                EXPECT_EQ(named.find(name) != std::u16string::npos, answer == AppMessage::IdNo) << key;
            }
        }
        ASSERT_TRUE(load());
        auto places = PlacesByPerson(*world_);
        const auto records = RecordsByPerson(*world_);
        for (std::size_t n = 0; n < moved.size(); ++n) {
            const TPersonMove& move = MovesAcrossEngland[n];
            const std::string& key = moved[n].first;
            const bool isNew = loaded.count(key) == 0;
            const char* kept = move.kept != nullptr ? move.kept : loaded.at(key).at(0).c_str();
            const std::string expected = answer == AppMessage::IdNo ? kept : move.to;
            const auto found = places.find(key);
            EXPECT_EQ(found != places.end() ? found->second : std::vector<std::string>{}, std::vector<std::string>{expected})
                << move.name;
            if (answer == AppMessage::IdNo) {
                const TPerson* person = FindPerson(*world_, key);
                ASSERT_NE(person, nullptr) << move.name;
                for (const TTeamId club : RunningClubsIn(*person, 14)) EXPECT_EQ(ClubPlace(club), expected) << move.name;
                if (!isNew) {
                    EXPECT_EQ(records.at(key), loadedRecords.at(key)) << move.name;
                }
            }
            if (isNew) places.erase(key);
        }
        EXPECT_EQ(places == loaded, answer == AppMessage::IdNo);
        if (answer == AppMessage::IdNo) {
            for (const auto& [key, record] : loadedRecords) EXPECT_EQ(records.at(key), record) << key;
        }
    }
}

// A German player moves to England, and another player of his club takes
// the number he wore. Kept with No, England's file cannot take him: he is
// back in his squad with the file's team, contract and spells, but for a
// number no other player of his team wears.
TEST_F(SafeSaveTest, APlayerPutBackWhoseNumberWasGivenAwayWearsAFreeOne)
{
    ShrinkLargeCountriesBut({14, 21});
    std::string country = database_testing::FileText(base_.DatabasePath(u"Country14.sav"));
    const std::string end = "%INDEXEND%CLUB5\r\n";
    base_.WriteDatabaseFile(u"Country14.sav", country.erase(country.find(end), end.size()));
    {
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
    TClub& german = *world_->GetClub(0x150002);
    TPerson* player = german.GetSquadPerson(0);
    ASSERT_TRUE(player->IsPlayer() && player->IsFirstTeam());
    const std::uint8_t number = player->GetShirtNumber();
    const std::string record = MoveRecord(*player);
    const std::string key = PersonKey(*player);
    ASSERT_TRUE(player->MoveToClub(world_->GetClub(0xE0002), 0));
    for (int slot = 0;; ++slot) {
        TPerson* teammate = german.GetSquadPerson(slot);
        ASSERT_NE(teammate, nullptr);
        if (!teammate->IsPlayer() || !teammate->IsFirstTeam()) continue;
        teammate->SetShirtNumber(number);
        break;
    }
    {
        MessageCapture no(AppMessage::IdNo);
        ASSERT_TRUE(world_->SaveWorld().saved);
    }
    NewWorld();
    {
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
    const auto places = PlacesByPerson(*world_);
    ASSERT_EQ(places.at(key), std::vector<std::string>{"club 150002"});
    const TClub& back = *world_->GetClub(0x150002);
    const TPerson& returned = *FindPerson(*world_, key);
    EXPECT_NE(returned.GetShirtNumber(), number);
    EXPECT_FALSE(back.IsShirtNumberUsedBy(&returned, false));
    const std::string numbered = "#" + std::to_string(returned.GetShirtNumber()) + "/";
    std::string expected = record;
    expected.replace(expected.find('#'), expected.find('/') - expected.find('#') + 1, numbered);
    EXPECT_EQ(MoveRecord(returned), expected);
}

constexpr TTeamId GermanClub = 0x150002;

// Edits that no move makes, to a player whose first spell is elsewhere,
// read back as text.
void EditBesideAMove(TPerson& person)
{
    person.SetSalary(person.GetSalary() + 12345);
    person.SetAbility(0, person.GetAbility(0) == 77 ? 78 : 77);
    person.SetNickname(u"Blitz");
    THistoryEntry spell = person.GetHistoryEntry(0);
    spell.matches = static_cast<std::uint16_t>(spell.matches + 7);
    person.SetHistoryEntry(0, spell);
}

std::string EditsBesideAMove(const TPerson& person)
{
    return std::to_string(person.GetSalary()) + " " + std::to_string(person.GetAbility(0)) + " " + Narrow(person.GetNickname()) +
           " " + std::to_string(person.GetHistoryEntry(0).matches);
}

// A German player with a spell elsewhere is edited and moves to England:
// once, twice, or once with his squad filled behind him. Kept with No,
// England's file takes no move: he is back with every edit, and with his
// record as the files hold it, no spell of either move in it; or, his squad
// full, among the players without club, his spell at the club ended.
TEST_F(SafeSaveTest, APlayerPutBackKeepsTheEditsTheMovesDidNotMake)
{
    ShrinkLargeCountriesBut({14, 21});
    const struct {
        const char* name;
        std::vector<TTeamId> moves;
        bool fillSquad;
    } cases[] = {{"one move", {0xE0002}, false}, {"two moves", {0xE0002, 0xE0003}, false}, {"full squad", {0xE0002}, true}};
    std::string country = database_testing::FileText(base_.DatabasePath(u"Country14.sav"));
    const std::string end = "%INDEXEND%CLUB5\r\n";
    base_.WriteDatabaseFile(u"Country14.sav", country.erase(country.find(end), end.size()));
    const auto files = Folder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [name, bytes] : files) testing_support::WriteBytes(base_.DatabasePath(name), bytes);
        NewWorld();
        {
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
        }
        TClub& german = *world_->GetClub(GermanClub);
        TPerson* player = nullptr;
        for (int slot = 0; player == nullptr || !player->IsPlayer() || RunningClubsIn(*player, 21) != std::vector<TTeamId>{GermanClub} ||
                           WithoutReserveBit(player->GetHistoryEntry(0).clubId) == GermanClub;
             ++slot) {
            ASSERT_LT(slot, german.GetSquadCount());
            player = german.GetSquadPerson(slot);
        }
        const std::string record = MoveRecord(*player);
        const std::string key = PersonKey(*player);
        EditBesideAMove(*player);
        const std::string edited = EditsBesideAMove(*player);
        for (TTeamId club : c.moves) ASSERT_TRUE(player->MoveToClub(world_->GetClub(club), 0));
        while (c.fillSquad && german.GetSquadCount() < TClub::SquadCapacity) ASSERT_TRUE(german.AddPlayer(NewPlayer(*world_)));
        {
            MessageCapture no(AppMessage::IdNo);
            ASSERT_EQ(world_->SaveWorld().keptDamaged, std::vector<int>{14});
        }
        NewWorld();
        {
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
        }
        const TPerson& returned = *FindPerson(*world_, key);
        EXPECT_EQ(EditsBesideAMove(returned), edited);
        EXPECT_EQ(PlacesByPerson(*world_).at(key), std::vector<std::string>{c.fillSquad ? "without club" : "club 150002"});
        EXPECT_TRUE(c.fillSquad || MoveRecord(returned) == record) << MoveRecord(returned) << "\n" << record;
        EXPECT_EQ(RunningClubsIn(returned, 21), c.fillSquad ? std::vector<TTeamId>{} : std::vector<TTeamId>{GermanClub});
    }
}

// In every damaged form of England's file that still gives a club, a German
// player, a player made after the load among the players without club and
// one made in a German club move to England. Kept with No, the file cannot
// take them: the save names all three. After the next load the German
// player stands in his squad with what the first load read of his team,
// numbers, contract and spells, and each new one among the players without
// club, in no running spell at an English club; each stands in one place.
TEST_F(SafeSaveTest, EveryDamagedFormPutsBackAMovedPlayerWholeAndLosesNoNewOne)
{
    ShrinkLargeCountriesBut({14, 21});
    int formsWithAClub = 0;
    for (const auto& [name, damaged] : DamagedForms(Text(ReadBytes(base_.DatabasePath(u"Country14.sav"))))) {
        SCOPED_TRACE(name);
        base_.WriteDatabaseFile(u"Country14.sav", damaged);
        NewWorld();
        {
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
        }
        TCountry& england = *world_->GetCountry(14);
        TClub* english = nullptr;
        for (int index = 0; english == nullptr && index < england.GetClubCount(); ++index) {
            TClub* club = england.GetClubByIndex(index);
            if (!IsNationalTeamId(club->GetId()) && club->GetSquadCount() + 2 <= TClub::SquadCapacity) english = club;
        }
        if (english == nullptr) continue;
        ++formsWithAClub;
        TPerson* moved = world_->GetClub(0x150002)->GetSquadPerson(0);
        const std::string movedKey = PersonKey(*moved);
        const std::string movedRecord = MoveRecord(*moved);
        ASSERT_TRUE(moved->MoveToClub(english, 0));
        TPerson* free = NewPlayer(*world_);
        ASSERT_EQ(world_->GetFreeAgents().Add(free), 1);
        ASSERT_TRUE(free->MoveToClub(english, 0));
        TPerson* german = NewPlayer(*world_);
        ASSERT_TRUE(world_->GetClub(0x150001)->AddPlayer(german));
        ASSERT_TRUE(german->MoveToClub(english, 0));
        const std::vector<std::string> keys{PersonKey(*free), PersonKey(*german)};
        const std::vector<std::u16string> names{TPerson::GetShortName(moved), TPerson::GetShortName(free),
                                                TPerson::GetShortName(german)};
        {
            MessageCapture no(AppMessage::IdNo);
            ASSERT_EQ(world_->SaveWorld().keptDamaged, std::vector<int>{14});
            ASSERT_EQ(no.Messages().size(), 2u);
            for (const std::u16string& named : names) EXPECT_NE(no.Messages().back().find(named), std::u16string::npos);
        }
        NewWorld();
        {
            MessageCapture messages;
            ASSERT_TRUE(world_->LoadWorld(u"Database"));
        }
        const auto places = PlacesByPerson(*world_);
        for (const std::string& key : keys) {
            const auto found = places.find(key);
            ASSERT_NE(found, places.end()) << key;
            EXPECT_EQ(found->second, std::vector<std::string>{"without club"}) << key;
            EXPECT_TRUE(RunningClubsIn(*FindPerson(*world_, key), 14).empty()) << key;
        }
        ASSERT_EQ(places.count(movedKey), 1u);
        EXPECT_EQ(places.at(movedKey), std::vector<std::string>{"club 150002"});
        EXPECT_EQ(MoveRecord(*FindPerson(*world_, movedKey)), movedRecord);
    }
    EXPECT_GE(formsWithAClub, 8);
}

// England's file and Without.sav are both damaged and kept with No: a
// player made in a German club and moved to England, and one made among
// the players without club, stand in no kept file. Each joins the
// additional managers of his country, or of the first country whose file
// is written when his own is kept.
TEST_F(SafeSaveTest, APersonMadeAfterTheLoadJoinsAdditionalManagersWhenWithoutSavIsKeptToo)
{
    ShrinkLargeCountriesBut({14, 21});
    std::string country = database_testing::FileText(base_.DatabasePath(u"Country14.sav"));
    const std::string end = "%INDEXEND%CLUB5\r\n";
    base_.WriteDatabaseFile(u"Country14.sav", country.erase(country.find(end), end.size()));
    std::string freeAgents = database_testing::FileText(base_.DatabasePath(u"Without.sav"));
    const std::size_t count = freeAgents.find("\r\n") + 2;
    base_.WriteDatabaseFile(u"Without.sav", freeAgents.replace(count, freeAgents.find("\r\n", count) - count, "x"));
    {
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
    ASSERT_TRUE(world_->GetFreeAgents().IsDamaged());
    TPerson* german = NewPlayer(*world_);
    ASSERT_TRUE(world_->GetClub(0x150001)->AddPlayer(german));
    ASSERT_TRUE(german->MoveToClub(world_->GetClub(0xE0002), 0));
    TPerson* english = NewPlayer(*world_);
    english->SetNationality(14);
    ASSERT_EQ(world_->GetFreeAgents().Add(english), 1);
    const std::string germanKey = PersonKey(*german);
    const std::string englishKey = PersonKey(*english);
    {
        MessageCapture no(AppMessage::IdNo);
        const auto result = world_->SaveWorld();
        ASSERT_TRUE(result.saved && result.keptDamagedFreeAgents);
        ASSERT_EQ(no.Messages().size(), 2u);
        for (const TPerson* person : {german, english}) {
            EXPECT_NE(no.Messages().back().find(TPerson::GetShortName(person)), std::u16string::npos);
        }
    }
    NewWorld();
    {
        MessageCapture messages;
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
    }
    const auto places = PlacesByPerson(*world_);
    ASSERT_EQ(places.count(germanKey), 1u);
    EXPECT_EQ(places.at(germanKey), std::vector<std::string>{"managers 21"});
    EXPECT_TRUE(RunningClubsIn(*FindPerson(*world_, germanKey), 14).empty());
    ASSERT_EQ(places.count(englishKey), 1u);
    EXPECT_EQ(places.at(englishKey), std::vector<std::string>{"managers 1"});
}

// The highest club section number of a country file's text, read or not.
std::uint32_t HighestClubSection(const std::string& file)
{
    std::uint32_t highest = 0;
    const std::regex section("%INDEX%CLUB([0-9]+)\r\n");
    for (auto match = std::sregex_iterator(file.begin(), file.end(), section); match != std::sregex_iterator(); ++match) {
        const auto number = static_cast<std::uint32_t>(std::stoul((*match)[1]));
        if (number != NationalTeamIndex) highest = std::max(highest, number);
    }
    return highest;
}

// A club created in a country whose damaged file a save may keep takes a
// number above every club section of that file, even one whose club was
// read and deleted: kept with No, the file names another club by any
// lower number, and a reference to the new club would name that one.
TEST_F(SafeSaveTest, ANewClubOfADamagedCountryTakesANumberItsFileDoesNotHold)
{
    ShrinkLargeCountriesBut({14});
    for (const auto& [name, damaged] : DamagedForms(Text(ReadBytes(base_.DatabasePath(u"Country14.sav"))))) {
        SCOPED_TRACE(name);
        base_.WriteDatabaseFile(u"Country14.sav", damaged);
        NewWorld();
        MessageCapture no(AppMessage::IdNo);
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        TCountry& england = *world_->GetCountry(14);
        england.RemoveClub(england.GetClubByUniqueId(0xE0001), true, true);
        const TTeamId created = england.CreateClub(u"New");
        EXPECT_GT(created & 0xFFFF, HighestClubSection(damaged));
        world_->GetFreeAgents().GetPlayer(0)->SetFavouriteClub(created);
        ASSERT_EQ(world_->SaveWorld().keptDamaged, std::vector<int>{14});
        NewWorld();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        EXPECT_EQ(world_->GetClub(world_->GetFreeAgents().GetPlayer(0)->GetFavouriteClub()), nullptr);
    }
}

// Every cut of a country file at a section line, in a club's country down
// to the club sections and in a small country at every depth: the read is
// refused or the country is marked damaged, never silently shortened.
TEST_F(SafeSaveTest, EveryCutAtASectionBoundaryIsNoticed)
{
    for (const auto& [name, deepest] : {std::pair{u"Country14.sav", 2}, std::pair{u"Country91.sav", 99}}) {
        const std::string file = Text(ReadBytes(base_.DatabasePath(name)));
        std::vector<std::size_t> cuts{0};
        int depth = 0;
        for (std::size_t at = 0; at < file.size();) {
            const std::size_t end = file.find("\r\n", at) + 2;
            const std::string_view line(file.data() + at, end - at);
            const bool begin = line.find("%INDEX%") != std::string_view::npos;
            const bool close = line.find("%INDEXEND%") != std::string_view::npos;
            if (close) --depth;
            if ((begin || close) && depth <= deepest) cuts.push_back(end);
            if (begin && !close) ++depth;
            at = end;
        }
        cuts.pop_back();  // the whole file
        ASSERT_GT(cuts.size(), 40u);
        for (std::size_t cut : cuts) {
            TCountry& country = *world_->GetCountry(14);
            country.Reset();
            country.CreateNationalTeam();
            CIndexTextFile stream;
            ASSERT_TRUE(stream.OpenFromBytes(testing_support::Bytes(file.substr(0, cut)), name));
            MessageCapture messages;
            const bool read = ReadCountrySections(country, stream);
            EXPECT_TRUE(!read || country.IsDamaged()) << testing_support::Narrow(name) << " cut at " << cut;
        }
    }
}

TEST_F(SafeSaveTest, ACountryListCutShortStopsTheLoad)
{
    const Bytes list = ReadBytes(base_.DatabasePath(u"Countries.sav"));
    base_.WriteDatabaseFile(u"Countries.sav", Text(list).substr(0, list.size() / 2));
    const auto before = Folder();
    MessageCapture messages;
    NewWorld();
    EXPECT_FALSE(world_->LoadWorld(u"Database"));
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(Folder(), before);
}

// A save fails at each of its writes in turn: every file stays old, nothing
// is left behind and one message says so; the first run without a failure
// writes every file new. Four shards take every fourth write each.
class SaveFaultTest : public SafeSaveTest, public testing::WithParamInterface<int> {};

TEST_P(SaveFaultTest, ASaveFailingAtAnyWriteChangesNothing)
{
    constexpr int Shards = 4;
    ShrinkLargeCountriesBut({});
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    ChangeEveryCountry();
    const auto before = Folder();
    for (int n = 1 + GetParam();; n += Shards) {
        MessageCapture messages;
        platform::FailWritesAfter(n);
        const bool saved = world_->SaveWorld().saved;
        platform::FailWritesAfter(0);
        const auto after = Folder();
        if (saved) {
            EXPECT_EQ(after.size(), before.size());
            for (const auto& [name, bytes] : after) {
                if (name.starts_with(u"Country") && name != u"Countries.sav") {
                    EXPECT_NE(bytes, before.at(name)) << n;
                }
            }
            // One write per file: 207 countries, Rules.sav, Without.sav and
            // the assessment.
            EXPECT_GT(n, TCompleteWorld::LastCountryId + 3);
            EXPECT_LE(n, TCompleteWorld::LastCountryId + 3 + Shards);
            break;
        }
        ASSERT_EQ(after, before) << "failure at write " << n;
        ASSERT_EQ(messages.Messages().size(), 1u) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, SaveFaultTest, testing::Range(0, 4));

// A rename refused in the commit pass (here: a folder where a file should
// be) is the one failure after which files differ; the message says so and
// no temporary stays.
TEST_F(SafeSaveTest, ARefusedRenameIsReportedAsSuch)
{
    platform::RemoveFile(base_.DatabasePath(u"Country5.sav"));
    ASSERT_TRUE(platform::CreateFolders(base_.DatabasePath(u"Country5.sav")));
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::size_t entries = platform::ListFolder(base_.DatabasePath(u"")).size();
    MessageCapture messages;
    EXPECT_FALSE(world_->SaveWorld().saved);
    EXPECT_EQ(messages.Messages(), std::vector<std::u16string>{CTextManager::Instance()->GetText(
                                       u"Database.CompleteWorld.ErrorDuringReplace"_tk)});
    EXPECT_EQ(platform::ListFolder(base_.DatabasePath(u"")).size(), entries);
}

TEST_F(SafeSaveTest, StaleScratchFilesOfTheEditorGoAtTheNextStart)
{
    const std::u16string trdata = platform::JoinPath(base_.Path(), u"trdata");
    ASSERT_TRUE(platform::CreateFolders(trdata));
    // Named as a save's temporary file and an archive's working copy are.
    const std::vector<std::u16string> stale = {
        platform::CreateUniqueFile(base_.DatabasePath(u""), platform::TemporaryFilePrefix),
        platform::CreateUniqueFile(base_.DatabasePath(u""), platform::WorkingCopyPrefix),
        platform::CreateUniqueFile(trdata, platform::WorkingCopyPrefix)};
    const std::vector<std::u16string> kept = {base_.DatabasePath(u"~tr_notes.tmp"), base_.DatabasePath(u"~tr4711_0.tmp.bak"),
                                              base_.DatabasePath(u"tmp4711_0.tmp"), base_.DatabasePath(u"~tr47a_0.tmp")};
    const std::u16string fresh = base_.DatabasePath(u"~tr4711_9.tmp");
    for (const auto* list : {&stale, &kept}) {
        for (const std::u16string& path : *list) {
            testing_support::WriteBytes(path, std::string(1000, 'x'));
            Backdate(path);
        }
    }
    testing_support::WriteBytes(fresh, std::string("in use"));
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    for (const std::u16string& path : stale) EXPECT_FALSE(platform::FileExists(path)) << testing_support::Narrow(path);
    for (const std::u16string& path : kept) EXPECT_TRUE(platform::FileExists(path)) << testing_support::Narrow(path);
    EXPECT_TRUE(platform::FileExists(fresh));
}

}  // namespace
