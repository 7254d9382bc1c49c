#include "database/export/CountryExport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/country/CountryCompetitions.h"
#include "database/export/ClubExport.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"

namespace {

constexpr std::uint32_t CntyTag = 0x59544E43;
constexpr std::uint32_t TypeLeague = 1;
constexpr std::uint32_t TypeNationalCup = 3;
constexpr std::uint32_t TypeLeagueCup = 4;
constexpr std::uint32_t TypeSuperCup = 7;
constexpr std::uint32_t TypePool = 24;
constexpr std::uint32_t LastCheckedType = 23;
constexpr std::uint32_t LastCheckedIndex = 5;
constexpr std::uint32_t Indexes = 32;
constexpr int CompleteClubs = 10;
constexpr int CompleteLeagueTeams = 8;
constexpr int LeaguePartClubs = 8;
constexpr int TopLeagueSlots = 8;
constexpr int LevelCount = 16;

constexpr std::uint32_t Id(std::uint32_t country, std::uint32_t type, std::uint32_t index)
{
    return (((country << 8) + type) << 16) + index;
}

std::uint32_t CountryByte(const TCountry& country) { return static_cast<std::uint32_t>(country.GetId()) & 0xFF; }

bool PassesChecks(const CDBCompetitionBase& competition, int firstReserveTeamLevel)
{
    return competition.CheckConsistency(0, firstReserveTeamLevel) == 0 &&
           competition.CheckConsistency(1, firstReserveTeamLevel) == 0;
}

}  // namespace

bool IsComplete(TCountry& country)
{
    if (country.GetClubCount() < CompleteClubs) return false;
    const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    const std::uint32_t id = CountryByte(country);
    const CDBCompetitionBase* league = registry.Get(Id(id, TypeLeague, 0));
    if (league == nullptr || league->GetTeamCount() < CompleteLeagueTeams) return false;
    for (std::uint32_t type = 1; type <= LastCheckedType; ++type) {
        for (std::uint32_t index = 0; index <= LastCheckedIndex; ++index) {
            const CDBCompetitionBase* competition = registry.Get(Id(id, type, index));
            if (competition != nullptr && !PassesChecks(*competition, country.GetFirstReserveTeamLevel())) return false;
        }
    }
    return true;
}

namespace {

struct TLevelSummary {
    int leagues = 0;
    int teams = 0;
};

TLevelSummary SummariseLevel(const TCompetitionRegistry& registry, std::uint32_t country, int level)
{
    TLevelSummary summary;
    for (std::uint32_t index = 0; index < Indexes; ++index) {
        const CDBCompetitionBase* league = registry.Get(Id(country, TypeLeague, index));
        if (league == nullptr || league->GetLevel() != level) continue;
        ++summary.leagues;
        summary.teams += league->GetAssignedTeamCount();
    }
    return summary;
}

// Only the counted levels get an entry, so that the count and the entries
// agree even when a level is skipped.
void WriteLevels(TCountry& country, CMasterWriter& writer)
{
    const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    const int levels = CountLeagueLevels(registry, CountryByte(country));
    writer.WriteU8(static_cast<std::uint8_t>(levels));
    for (int level = 0; level < levels; ++level) {
        const TLevelSummary summary = SummariseLevel(registry, CountryByte(country), level);
        writer.WriteU8(static_cast<std::uint8_t>(summary.leagues));
        writer.WriteU16(static_cast<std::uint16_t>(summary.teams));
        for (int language = 0; language < TCountry::LanguageCount; ++language) {
            writer.WriteString(country.GetLeagueLevelNameInLanguage(language, level));
        }
    }
}

void WriteTopLeagueTeams(const CDBCompetitionBase& league, CMasterWriter& writer)
{
    for (int slot = 0; slot < TopLeagueSlots; ++slot) {
        writer.WriteU32(GetGameIdMaps().GetExportClubId(league.GetTeamSlot(slot)));
    }
}

}  // namespace

bool WriteCountryHeader(TCountry& country, CMasterWriter& writer)
{
    const bool complete = IsComplete(country);
    const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    writer.WriteU8(static_cast<std::uint8_t>(complete ? GetLeagueCount(registry, CountryByte(country)) : 0));
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        writer.WriteString(country.GetNameInLanguage(language));
    }
    WriteLevels(country, writer);
    const CDBCompetitionBase* league = registry.Get(Id(CountryByte(country), TypeLeague, 0));
    if (complete && league != nullptr) WriteTopLeagueTeams(*league, writer);
    writer.WriteI32(0);
    return complete;
}

namespace {

// Shares adding up to 1..99 give the first share the rest; the record
// keeps the raised share.
void CompleteLanguageShares(TCountry& country)
{
    int sum = 0;
    for (int slot = 0; slot < TCountry::LanguageSlots; ++slot) sum += country.GetLanguageShare(slot);
    if (sum >= 1 && sum < 100) {
        country.SetLanguageShare(0, static_cast<std::uint8_t>(country.GetLanguageShare(0) + 100 - sum));
    }
}

int HighestLeagueLevel(const TCountry& country, const TCompetitionRegistry& registry)
{
    int highest = 0;
    for (std::uint32_t index = 0; index < Indexes; ++index) {
        const CDBCompetitionBase* league = registry.Get(Id(CountryByte(country), TypeLeague, index));
        if (league != nullptr) highest = std::max<int>(highest, league->GetLevel());
    }
    return highest;
}

void WriteLanguages(TCountry& country, CMasterWriter& writer)
{
    for (int slot = 0; slot < TCountry::LanguageSlots; ++slot) writer.WriteU8(country.GetLanguage(slot));
    CompleteLanguageShares(country);
    for (int slot = 0; slot < TCountry::LanguageSlots; ++slot) writer.WriteU8(country.GetLanguageShare(slot));
}

void WritePerLevel(CMasterWriter& writer, std::uint8_t (TCountry::*get)(int) const, const TCountry& country)
{
    for (int level = 0; level < LevelCount; ++level) writer.WriteU8((country.*get)(level));
}

void WriteRules(TCountry& country, CMasterWriter& writer)
{
    const auto cards = country.GetCardRuleBytes();
    writer.WriteBytes(cards.data(), cards.size());
    WritePerLevel(writer, &TCountry::GetLevelSortRule, country);
    WritePerLevel(writer, &TCountry::GetLevelForeignerRule, country);
    WritePerLevel(writer, &TCountry::GetLevelRelegationRule, country);
    country.FillLeagueRatingsFrom(HighestLeagueLevel(country, country.GetCompetitionRegistry()) + 1);
    WritePerLevel(writer, &TCountry::GetLeagueRating, country);
    writer.WriteU8(country.GetCupOptionsByte());
    writer.WriteI32(country.GetCupFinalStadium());
    writer.WriteU8(country.GetNaturalisationYears());
    for (int index = 0; index < TCountry::RuleByteCount; ++index) {
        const std::uint8_t value = country.GetRuleByte(index);
        // The game takes a last rule byte of 0 for 1.
        writer.WriteU8(index == TCountry::RuleByteCount - 1 && value == 0 ? 1 : value);
    }
    writer.WriteU8(country.GetOptionBitsByte());
    writer.WriteU8(country.GetInvertedOptionByte());
    writer.WriteU8(country.GetAverageRating());
}

void WriteAppearance(const TCountry& country, CMasterWriter& writer)
{
    writer.WriteU32(country.GetExtraAppearanceMask());
    writer.WriteU32(country.GetHairColourMask());
    writer.WriteU32Array(country.GetHairstyleMask(), 2);
    writer.WriteU32(country.GetFacialHairMask());
    writer.WriteU32Array(country.GetFaceMask(), 4);
    writer.WriteU8(country.GetAverageHeight());
    writer.WriteU8(country.GetAverageWeight());
}

void WriteRecordFigures(const TCountry& country, CMasterWriter& writer)
{
    writer.WriteU8(country.GetPreferredTerritory());
    writer.WriteU16(static_cast<std::uint16_t>(static_cast<std::int16_t>(country.GetQaroRanking() / 15)));
    writer.WriteU16(country.GetContinentalTitles());
    writer.WriteU16(country.GetWorldCupTitles());
    writer.WriteU16(country.GetContinentalFinals());
    writer.WriteU16(country.GetWorldCupFinals());
    for (int year = TCountry::YearCount; year >= 1; --year) writer.WriteU16(country.GetYearCoefficient(year));
    writer.WriteU8(country.GetForeignTransferProbability());
    writer.WriteI32(country.GetCountryValue(0));
    writer.WriteI32(country.GetCountryValue(1));
}

void WriteNameIndex(CMasterWriter& writer, TExportContext& context, int key, int kind, const char16_t* text)
{
    writer.WriteU16(static_cast<std::uint16_t>(context.names.AddName(key, kind, text, true)));
}

void WriteCountryPersonNames(TCountry& country, CMasterWriter& writer, TExportContext& context)
{
    const int key = ClampNameListKey(country.GetLanguage(0), country.GetLanguage(0));
    WriteNameIndex(writer, context, key, NameKindMale, country.GetPersonFirstName());
    WriteNameIndex(writer, context, key, NameKindSurname, country.GetPersonLastName());
}

void WriteCountryFields(TCountry& country, CMasterWriter& writer, TExportContext& context)
{
    writer.WriteU32(country.GetNextUniqueClubId());
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        writer.WriteString(country.GetAbbreviationInLanguage(language));
        writer.WriteU8(country.GetLanguageByte(language));
    }
    writer.WriteU8(country.GetContinentByte());
    writer.WriteString(country.GetFederationName());
    WriteLanguages(country, writer);
    writer.WriteU8(country.GetFirstReserveTeamLevel());
    writer.WriteU8(country.GetCountryByte1());
    writer.WriteU8(country.GetAmateurRule());
    writer.WriteU8(country.GetClimate());
    writer.WriteU8(country.GetLanguage(0));
    WriteCountryPersonNames(country, writer, context);
    writer.WriteU32(country.GetPersonBirth().GetDayNumber());
    WriteRules(country, writer);
    WriteAppearance(country, writer);
    WriteRecordFigures(country, writer);
}

std::u16string Text(TextKey key) { return CTextManager::Instance()->GetText(key); }

void WriteLeagueNames(const TCompetitionRegistry& registry, std::uint32_t id, CMasterWriter& writer)
{
    const CDBCompetitionBase* league = registry.Get(Id(id, TypeLeague, 0));
    const CDBCompetitionBase* cup = registry.Get(Id(id, TypeNationalCup, 0));
    for (int language = 0; language < TCountry::LanguageCount; ++language) {
        if (league != nullptr) {
            writer.WriteString(league->GetNameInLanguage(language));
            writer.WriteString(cup != nullptr ? cup->GetNameInLanguage(language) : u"");
        } else {
            writer.WriteString(Text(u"Database.Division.01"_tk));
            writer.WriteString(Text(u"Database.NationalCup"_tk));
        }
    }
}

void WriteLeaguePart(TCountry& country, CMasterWriter& writer, bool withLeaguePart)
{
    const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    const std::uint32_t id = CountryByte(country);
    if (withLeaguePart) {
        WriteLeagueNames(registry, id, writer);
        for (std::uint32_t n = 1; n <= TopLeagueSlots; ++n) writer.WriteU32((id << 16) | n);
    }
    const CDBCompetitionBase* league = withLeaguePart ? registry.Get(Id(id, TypeLeague, 0)) : nullptr;
    const int attendance = league != nullptr ? league->GetAttendanceMultiplier() : -1;
    const int transfer = league != nullptr ? league->GetTransferMultiplier() : -1;
    if (attendance >= 0) writer.WritePercentFactor(attendance); else writer.WriteF32(1.0f);
    if (transfer >= 0) writer.WritePercentFactor(transfer); else writer.WriteF32(0.5f);
}

void CollectChain(const TCompetitionRegistry& registry, std::uint32_t id, std::vector<std::uint32_t>& ids)
{
    const CDBCompetitionBase* competition = registry.Get(id);
    if (competition == nullptr || std::find(ids.begin(), ids.end(), id) != ids.end()) return;
    ids.push_back(id);
    const std::uint32_t next = competition->GetNextId();
    if (next != 0 && ((next >> 16) & 0xFF) == ((id >> 16) & 0xFF)) CollectChain(registry, next, ids);
    for (int link = 0; link < 10; ++link) {
        const std::uint32_t follower = competition->GetFollowerId(link);
        if (follower != 0) CollectChain(registry, follower, ids);
    }
}

std::vector<std::uint32_t> ExportedCompetitions(const TCompetitionRegistry& registry, std::uint32_t country)
{
    std::vector<std::uint32_t> ids;
    for (std::uint32_t index = 0; index < Indexes; ++index) CollectChain(registry, Id(country, TypePool, index), ids);
    for (std::uint32_t index = 0; index < Indexes; ++index) CollectChain(registry, Id(country, TypeLeague, index), ids);
    const auto addIfPresent = [&](std::uint32_t id) {
        if (registry.Get(id) != nullptr && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    };
    addIfPresent(Id(country, TypeNationalCup, 0));
    for (std::uint32_t index = 0; index < 4; ++index) addIfPresent(Id(country, TypeLeagueCup, index));
    addIfPresent(Id(country, TypeSuperCup, 0));
    return ids;
}

void WriteCompetitions(TCountry& country, CMasterWriter& writer, bool withCompetitions, std::uint32_t& size)
{
    writer.WriteU32(size);
    const std::uint32_t start = writer.GetSize();
    if (withCompetitions) {
        const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
        for (std::uint32_t id : ExportedCompetitions(registry, CountryByte(country))) registry.Get(id)->WriteBlock(writer);
    }
    writer.WriteU32(0);
    writer.WriteU16(0);
    if (writer.IsSizingPass()) size = writer.GetSize() - start;
}

// Every club but the national team once, in game-id order (clubs without
// a game id after them by team id), then the national team.
std::vector<TClub*> ClubsInGameIdOrder(const TCountry& country)
{
    std::vector<std::pair<std::uint64_t, TClub*>> keyed;
    for (const auto& [id, club] : country.GetClubs()) {
        if ((id & 0xFFFF) == NationalTeamIndex) continue;
        const TTeamId gameId = GetGameIdMaps().GetExportClubId(id);
        const std::uint64_t rank = gameId != 0 ? gameId : 0xFFFFFFFFull;
        keyed.emplace_back((rank << 32) | id, club.get());
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TClub*> clubs;
    for (const auto& entry : keyed) clubs.push_back(entry.second);
    return clubs;
}

void WriteCountryClubs(TCountry& country, CMasterWriter& writer, TExportContext& context)
{
    for (TClub* club : ClubsInGameIdOrder(country)) {
        if (!WriteClubChunk(*club, writer, context.clubs)) context.failed = true;
    }
    TClub* nationalTeam = country.GetNationalTeam();
    if (nationalTeam != nullptr && !WriteClubChunk(*nationalTeam, writer, context.clubs)) context.failed = true;
}

void WriteReferees(TCountry& country, CMasterWriter& writer, TExportContext& context)
{
    writer.WriteU32(static_cast<std::uint32_t>(country.GetReferees().GetCount()));
    for (const auto& [key, referee] : country.GetReferees()) {
        if (!ExportReferee(referee, writer, context.names)) context.failed = true;
    }
}

void WritePersonExportForm(TPerson& person, CMasterWriter& writer)
{
    if (person.GetType() == 0) {
        person.WritePlayerBlock(writer);
    } else {
        person.WriteStaffBlock(writer);
    }
}

// Only chairmen everywhere and managers outside the home country come
// with their record; every other manager is a kind byte of 0.
std::uint8_t AdditionalManagerKind(const TCountry& country, const TPerson* person)
{
    const std::uint8_t type = person != nullptr ? person->GetType() : 0;
    if (type == 1) return 1;
    if (type == 2 && country.GetId() != TCompleteWorld::DefaultCountryId) return 2;
    return 0;
}

void WriteAdditionalManagers(TCountry& country, CMasterWriter& writer)
{
    const auto& managers = country.GetAdditionalManagers();
    writer.WriteU32(static_cast<std::uint32_t>(managers.size()));
    for (const auto& [id, person] : managers) {
        const std::uint8_t kind = AdditionalManagerKind(country, person);
        writer.WriteU8(kind);
        if (kind != 0) WritePersonExportForm(*person, writer);
    }
}

void WritePool(TCountry& country, CMasterWriter& writer)
{
    std::uint32_t used = 0;
    for (int index = 0; index < country.GetPoolPlayerCount(); ++index) used += country.GetPoolPlayer(index)->IsUsed();
    writer.WriteU32(used);
    for (int index = 0; index < country.GetPoolPlayerCount(); ++index) {
        TPoolPlayer* entry = country.GetPoolPlayer(index);
        if (entry->IsUsed()) entry->WritePoolPlayerBlock(country.GetId(), writer);
    }
}

}  // namespace

void WriteCountryBlock(TCountry& country, CMasterWriter& writer, TCountryBlockSizes& sizes, TExportContext& context)
{
    if (TCompleteWorld* world = country.GetWorld()) world->SetExportClubCountry(static_cast<std::uint8_t>(country.GetId()));
    writer.WriteU32(sizes.block);
    const std::uint32_t start = writer.GetSize();
    writer.WriteU32(CntyTag);
    WriteCountryFields(country, writer, context);
    const int clubs = country.GetClubCountWithoutNationalTeam();
    writer.WriteU32(static_cast<std::uint32_t>(clubs));
    const bool withLeaguePart = clubs >= LeaguePartClubs;
    WriteLeaguePart(country, writer, withLeaguePart);
    WriteCompetitions(country, writer, withLeaguePart, sizes.competitions);
    WriteCountryClubs(country, writer, context);
    WriteReferees(country, writer, context);
    // The game takes no sponsors from the database.
    writer.WriteU32(0);
    WriteAdditionalManagers(country, writer);
    WritePool(country, writer);
    if (writer.IsSizingPass()) sizes.block = writer.GetSize() - start;
}
