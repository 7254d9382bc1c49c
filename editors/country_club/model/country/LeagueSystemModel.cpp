#include "editors/country_club/model/country/LeagueSystemModel.h"

#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "competition/LeagueStructure.h"
#include "core/text/Format.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "platform/Platform.h"

TLeagueCounts LeaguesPerLevel(const std::vector<TLeagueLevel>& levels)
{
    TLeagueCounts counts{};
    for (std::size_t level = 0; level < levels.size() && level < counts.size(); ++level) counts[level] = levels[level].count;
    return counts;
}

int FindMatchingSystem(const TLeagueCounts& leagues)
{
    for (int system = 0; system < GetLeagueSystemCount(); ++system) {
        bool same = true;
        for (int level = 0; level < LeagueLevelCount && same; ++level) {
            same = GetLeagueSystemLeagues(system, level) == leagues[static_cast<std::size_t>(level)];
        }
        if (same) return system;
    }
    return -1;
}

std::vector<int> OfferedRelegationRules(int system, int level)
{
    std::vector<int> rules;
    const int mask = GetLeagueSystemLinkMask(system, level);
    for (int rule = 0; rule < CEnumTexts::GetRelegationRuleCount(); ++rule) {
        if (mask & (1 << rule)) rules.push_back(rule);
    }
    return rules;
}

TLevelBytes FilterRelegationChoices(int system, TLevelBytes choices)
{
    for (int level = 0; level < LeagueLevelCount; ++level) {
        std::uint8_t& choice = choices[static_cast<std::size_t>(level)];
        if (choice >= 32 || !(GetLeagueSystemLinkMask(system, level) & (1 << choice))) choice = 0;
    }
    return choices;
}

std::vector<TLeagueTreeRow> BuildLeagueTreeRows(TCountry& country)
{
    std::vector<TLeagueTreeRow> rows;
    const std::vector<TLeagueLevel> levels = country.GetLeagueLevels();
    for (std::size_t level = 0; level < levels.size() && level < LeagueLevelCount; ++level) {
        if (levels[level].count <= 0) continue;
        rows.push_back({static_cast<std::uint32_t>(level), country.GetLeagueLevelName(static_cast<int>(level))});
        for (int i = 0; i < levels[level].count; ++i) {
            const std::uint32_t id = country.GetLeagueId(levels[level].firstLeague + i);
            rows.push_back({id, u" \t" + GetCompetitionNameById(country.GetCompetitionRegistry(), id)});
        }
    }
    return rows;
}

namespace {

bool SystemChanges(int storedScriptId, const TLeagueCounts& current, const TLevelBytes& leagues, int scriptId)
{
    if (scriptId >= 1) return scriptId != storedScriptId;
    if (storedScriptId >= 1) return true;
    for (int level = 0; level < LeagueLevelCount; ++level) {
        if (current[static_cast<std::size_t>(level)] != leagues[static_cast<std::size_t>(level)]) return true;
    }
    return false;
}

}  // namespace

TLeagueSystemPlan PlanLeagueSystemApply(int storedScriptId, const TLeagueCounts& current, int system, int script,
                                        const TLevelBytes& choices, const std::function<bool(int)>& scriptExists)
{
    TLeagueSystemPlan plan;
    plan.scriptId = script;
    const int deciding = script >= 1 ? script : system;
    if (deciding < 0) return plan;
    for (int level = 0; level < LeagueLevelCount; ++level) {
        plan.leagues[static_cast<std::size_t>(level)] = static_cast<std::uint8_t>(GetLeagueSystemLeagues(system, level));
    }
    plan.choices = FilterRelegationChoices(system, choices);
    if (!SystemChanges(storedScriptId, current, plan.leagues, script)) {
        plan.verdict = TLeagueSystemVerdict::ApplyQuietly;
    } else if (script >= 1 && !scriptExists(script)) {
        plan.verdict = TLeagueSystemVerdict::RefuseMissingScript;
    } else {
        plan.verdict = TLeagueSystemVerdict::AskFirst;
    }
    return plan;
}

bool LeagueScriptExists(int scriptId)
{
    return platform::FileExists(platform::JoinPath(u"Script", Format(u"Lg%d.txt", scriptId)));
}

void ApplyLevelRelegationRule(TCountry& country, int level, int rule)
{
    const std::vector<TLeagueLevel> levels = country.GetLeagueLevels();
    if (level < 0 || level >= static_cast<int>(levels.size())) return;
    const TLeagueLevel& row = levels[static_cast<std::size_t>(level)];
    for (int index = row.firstLeague; index < row.firstLeague + row.count; ++index) {
        if (auto* league = dynamic_cast<CDBLeague*>(country.GetCompetitionRegistry().Get(country.GetLeagueId(index)))) {
            league->SetRelegationRule(static_cast<std::uint8_t>(rule));
        }
    }
    country.BuildLeaguePools();
}

int LeagueTeamTotal(TCountry& country)
{
    int total = 0;
    for (int index = 0; index < country.GetLeagueCount(); ++index) {
        if (auto* league = dynamic_cast<CDBLeagueBase*>(country.GetCompetitionRegistry().Get(country.GetLeagueId(index)))) {
            total += league->GetTeamCount();
        }
    }
    return total;
}
