#include "database/world/GameIdMaps.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/CountryCompetitions.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {

constexpr int ExportCountries = TGameIdMaps::LastGameIdCountry;
static_assert(TGameIdMaps::LastSaveIdCountry == TCompleteWorld::LastCountryId);
constexpr int LowestLevel = 16;

struct TClubOrderRecord {
    const TClub* club = nullptr;
    int leagueLevel = LowestLevel;
    int strength = 0;
    int priority = 0;
};

bool SortsBefore(const TClubOrderRecord& a, const TClubOrderRecord& b)
{
    if ((a.club == nullptr) != (b.club == nullptr)) return a.club != nullptr;
    if (a.priority != b.priority) return a.priority > b.priority;
    if (a.leagueLevel != b.leagueLevel) return a.leagueLevel < b.leagueLevel;
    return a.strength > b.strength;
}

const CDBCompetitionBase* LeagueOfClub(const TClub& club)
{
    TCountry* country = club.GetCountry();
    return country != nullptr ? GetLeagueOfTeam(country->GetCompetitionRegistry(), club.GetId()) : nullptr;
}

std::vector<TClubOrderRecord> OrderRecords(const TCountry& country)
{
    std::vector<TClubOrderRecord> records;
    for (int index = 0; index < country.GetClubCount(); ++index) {
        const TClub* club = country.GetClubByIndex(index);
        TClubOrderRecord record;
        if (!IsNationalTeamId(club->GetId())) {
            record.club = club;
            record.priority = ClubPriority(*club);
            if (const CDBCompetitionBase* league = LeagueOfClub(*club)) record.leagueLevel = league->GetLevel();
            // Clubs of equal priority and level: the stronger first team first.
            record.strength = static_cast<int>(club->GetTeamStrength(0) * 1000);
        }
        records.push_back(record);
    }
    // Equal keys keep the club order.
    std::stable_sort(records.begin(), records.end(), SortsBefore);
    return records;
}

void AppendLine(std::string& out, std::u16string_view line)
{
    out += platform::Utf16ToUtf8(line);
    out += "\r\n";
}

}  // namespace

void TGameIdMaps::Clear()
{
    exportIds_.clear();
    exportIdsBack_.clear();
    saveIds_.clear();
    saveIdsBack_.clear();
    keptCountries_.reset();
    savedAsNone_.clear();
}

TTeamId TGameIdMaps::GetSaveClubId(TTeamId id) const
{
    if (KeepsNumberOf(id)) return id;
    const TTeamId saveId = Translate(saveIds_, id, LastSaveIdCountry);
    if (saveId == 0 && id != 0) savedAsNone_.insert(WithoutReserveBit(id));
    return saveId;
}

TTeamId TGameIdMaps::Translate(const std::map<TTeamId, TTeamId>& map, TTeamId id, int lastNumberedCountry)
{
    if (id == 0xFFFFFFFF || IsNationalTeamId(id)) return id;
    const auto found = map.find(WithoutReserveBit(id));
    if (found == map.end()) {
        const int country = TeamCountry(id);
        return country >= 1 && country <= lastNumberedCountry ? 0 : id;
    }
    return found->second | (id & ReserveTeamBit);
}

void BuildGameIdMaps(TGameIdMaps& maps, const std::vector<int>& keptCountries)
{
    maps.Clear();
    for (int country : keptCountries) {
        if (country >= 1 && country <= TCompleteWorld::LastCountryId) maps.keptCountries_.set(static_cast<std::size_t>(country));
    }
    const TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    for (int slot = 1; slot <= TCompleteWorld::LastCountryId; ++slot) {
        const TCountry& country = *world->GetCountry(slot);
        if (slot <= ExportCountries) {
            const auto records = OrderRecords(country);
            for (std::size_t position = 0; position < records.size() && records[position].club; ++position) {
                const TTeamId gameId = (static_cast<TTeamId>(slot) << 16) | static_cast<TTeamId>(position + 1);
                const TTeamId teamId = WithoutReserveBit(records[position].club->GetId());
                maps.exportIds_[teamId] = gameId;
                maps.exportIdsBack_[gameId] = teamId;
            }
        }
        const TTeamId base = static_cast<TTeamId>(country.GetId()) << 16;
        TTeamId next = 1;
        for (const auto& entry : country.GetClubs()) {
            if (IsNationalTeamId(entry.first)) continue;
            const TTeamId saveId = base | next++;
            maps.saveIds_[entry.first] = saveId;
            maps.saveIdsBack_[saveId] = entry.first;
        }
    }
}

TGameIdMaps& GetGameIdMaps()
{
    static TGameIdMaps maps;
    return maps;
}

int ClubPriority(const TClub& club)
{
    TCountry* country = club.GetCountry();
    if (country == nullptr) return 0;
    const auto top = static_cast<std::uint32_t>(country->GetId()) << 24 | 0x10000;
    const CDBCompetitionBase* league = country->GetCompetitionRegistry().Get(top);
    const int index = league != nullptr ? TeamIndexInCompetition(*league, club.GetId()) : -1;
    if (index == 0 || index == 1) return 4 - index;
    const TCompleteWorld* world = country->GetWorld();
    return world != nullptr && world->GetRulesAndMisc().IsTitleDefender(club.GetId()) ? 2 : 0;
}

bool WriteGameIdList(std::u16string_view path)
{
    const TCompleteWorld* world = GetWorld();
    if (path.empty() || world == nullptr) return false;
    const TGameIdMaps& maps = GetGameIdMaps();
    std::string out;
    for (int id = 1; id <= ExportCountries; ++id) {
        const TCountry& country = *world->GetCountry(id);
        if (country.GetClubCountWithoutNationalTeam() == 0) continue;
        AppendLine(out, Format(u"[Edit-ID] - [Game-ID] - [Name] --> %s", country.GetName()));
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub* club = country.GetClubByIndex(index);
            if (IsNationalTeamId(club->GetId())) continue;
            AppendLine(out, Format(u" %08X -  %08X - %s", club->GetId(), maps.GetExportClubId(club->GetId()),
                                   club->GetName()));
            AppendLine(out, Format(u"%08X - %s", club->GetId(), club->GetName()));
        }
        AppendLine(out, u"");
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(out.data());
    return platform::WriteFileAtomic(path, std::span<const std::uint8_t>(bytes, out.size()));
}
