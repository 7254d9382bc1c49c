#include "tools/admin/LeagueDataFile.h"

#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "core/text/Format.h"
#include "database/country/CompetitionRegistry.h"
#include "tools/admin/ByteReader.h"

namespace {

constexpr std::uint8_t Magic[4] = {'L', 'G', 'D', 'B'};

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

const CDBLeagueBase* LeagueOf(const TCompetitionRegistry& registry, std::uint32_t id)
{
    return dynamic_cast<const CDBLeagueBase*>(registry.Get(id));
}

void ExportLeague(std::vector<std::uint8_t>& out, const CDBLeagueBase& league)
{
    PutU32(out, league.GetId());
    PutU32(out, static_cast<std::uint32_t>(league.GetAssignedTeamCount()));
    for (int slot = 0; slot < league.GetAssignedTeamCount(); ++slot) PutU32(out, league.GetTeamSlot(slot));
    for (int season = 0; season < 2; ++season)
        for (std::int8_t day : league.GetSeasonCalendar(season)) out.push_back(static_cast<std::uint8_t>(day));
    const int matchdays = league.GetMatchdayCount();
    PutU32(out, static_cast<std::uint32_t>(matchdays));
    const auto* proper = dynamic_cast<const CDBLeague*>(&league);
    const int matches = proper != nullptr ? proper->GetMatchesPerMatchday() : 0;
    for (int matchday = 0; matchday < matchdays; ++matchday) {
        PutU32(out, static_cast<std::uint32_t>(matches));
        for (int slot = 0; slot < matches; ++slot) {
            // A table smaller than the league's size gives empty matches.
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            proper->GetFixturelist().GetMatch(matchday, slot, home, away);
            out.push_back(home);
            out.push_back(away);
        }
    }
}

}  // namespace

std::vector<std::uint8_t> CLeagueDataFile::Export(const TCompetitionRegistry& registry, std::uint32_t country)
{
    std::vector<std::uint8_t> out(std::begin(Magic), std::end(Magic));
    for (std::uint32_t index = 0; index < MaxRecords; ++index) {
        if (const CDBLeagueBase* league = LeagueOf(registry, MakeCompetitionId(country, TypeLeague, index)))
            ExportLeague(out, *league);
    }
    PutU32(out, 0);
    return out;
}

bool CLeagueDataFile::Read(std::span<const std::uint8_t> bytes, const TCompetitionRegistry& registry,
                           std::uint32_t country, std::u16string& error)
{
    records_.clear();
    CByteReader reader(bytes);
    std::uint8_t magic[4] = {};
    if (!reader.ReadBytes(magic, 4) || !std::equal(std::begin(magic), std::end(magic), std::begin(Magic))) {
        error = u"This is not a league data file.";
        return false;
    }
    std::uint32_t id = 0;
    while (reader.ReadU32(id) && id != 0) {
        if (static_cast<int>(records_.size()) == MaxRecords) {
            error = Format(u"The file holds more than %d leagues.", MaxRecords);
            break;
        }
        if (!ReadRecord(reader, id, registry, country, error)) break;
    }
    if (error.empty() && reader.Failed()) error = u"The league data file is incomplete.";
    if (error.empty() && !reader.AtEnd()) error = u"The league data file has data after its end mark.";
    if (!error.empty()) records_.clear();
    return error.empty();
}

bool CLeagueDataFile::ReadRecord(CByteReader& reader, std::uint32_t id, const TCompetitionRegistry& registry,
                                 std::uint32_t country, std::u16string& error)
{
    const CDBLeagueBase* league = LeagueOf(registry, id);
    if (CountryOfId(id) != country || league == nullptr) {
        error = Format(u"The competition %08X is no league of country %d.", id, static_cast<int>(country));
        return false;
    }
    Record record;
    record.id = id;
    std::uint32_t teams = 0;
    if (!reader.ReadU32(teams) || teams > reader.Remaining() / 4) return reader.Fail();
    record.teams.resize(teams);
    for (std::uint32_t& team : record.teams) reader.ReadU32(team);
    for (auto& calendar : record.calendars) reader.ReadBytes(calendar.data(), calendar.size());
    std::uint32_t matchdays = 0;
    if (!reader.ReadU32(matchdays) || matchdays > reader.Remaining() / 4) return reader.Fail();
    const bool takesMatches = dynamic_cast<const CDBLeague*>(league) != nullptr;
    for (std::uint32_t matchday = 0; matchday < matchdays && !reader.Failed(); ++matchday) {
        std::uint32_t matches = 0;
        if (!reader.ReadU32(matches) || matches > reader.Remaining() / 2) return reader.Fail();
        if (matches > 0 && !takesMatches) {
            error = Format(u"The spare league %08X holds matches.", id);
            return false;
        }
        std::vector<Match>& row = record.matchdays.emplace_back(matches);
        for (Match& match : row) {
            reader.ReadU8(match.first);
            reader.ReadU8(match.second);
        }
    }
    if (reader.Failed()) return false;
    records_.push_back(std::move(record));
    return true;
}

void CLeagueDataFile::Apply(TCompetitionRegistry& registry) const
{
    for (const Record& record : records_) {
        auto* league = dynamic_cast<CDBLeagueBase*>(registry.Get(record.id));
        if (league == nullptr) continue;
        league->ClearTeams();
        for (std::size_t slot = 0; slot < record.teams.size(); ++slot)
            league->SetTeamIdAt(static_cast<int>(slot), record.teams[slot]);
        for (int season = 0; season < 2; ++season) league->SetSeasonCalendar(season, record.calendars[season]);
        auto* proper = dynamic_cast<CDBLeague*>(league);
        if (proper == nullptr) continue;
        CDBFixturelist& fixtures = proper->GetFixturelist();
        fixtures.ClearAll();
        for (std::size_t matchday = 0; matchday < record.matchdays.size(); ++matchday) {
            const std::vector<Match>& row = record.matchdays[matchday];
            for (std::size_t slot = 0; slot < row.size(); ++slot)
                fixtures.SetMatch(static_cast<int>(matchday), static_cast<int>(slot), row[slot].first, row[slot].second);
        }
    }
}
