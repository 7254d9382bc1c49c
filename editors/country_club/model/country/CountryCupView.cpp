#include "editors/country_club/model/country/CountryCupView.h"

#include <algorithm>

#include "competition/Competition.h"
#include "competition/CompetitionId.h"
#include "competition/CountryCups.h"
#include "competition/CupAlloc.h"
#include "database/country/Country.h"

namespace {

struct TCupAddress {
    std::uint32_t type;
    std::uint32_t index;
};

TCupAddress AddressOf(int cup)
{
    if (cup == NationalCup) return {TypeFaCup, 0};
    if (cup == SuperCup) return {TypeSuperCup, 0};
    return {TypeLeagueCup, static_cast<std::uint32_t>(cup - 1)};
}

CDBCompetition* FindCup(TCountry& country, int cup)
{
    const TCupAddress address = AddressOf(cup);
    const auto id = MakeCompetitionId(static_cast<std::uint32_t>(country.GetId()), address.type, address.index);
    return dynamic_cast<CDBCompetition*>(country.GetCompetitionRegistry().Get(id));
}

int StoredType(const TCountry& country, int cup)
{
    if (cup == NationalCup) return country.GetNationalCupType();
    if (cup == SuperCup) return country.GetSuperCupType();
    return country.GetLeagueCupType(cup - 1);
}

TCupSettings ToTable(const SettingsBlock& block)
{
    TCupSettings table{};
    for (std::size_t word = 0; word < table.size(); ++word) table[word] = static_cast<std::uint32_t>(block[word]);
    return table;
}

SettingsBlock ToBlock(const TCupSettings& table)
{
    SettingsBlock block{};
    for (std::size_t word = 0; word < table.size(); ++word) block[word] = static_cast<std::int32_t>(table[word]);
    return block;
}

SettingsBlock StoredSettings(TCountry& country, int cup)
{
    SettingsBlock block{};
    if (cup == NationalCup) GetNationalCupSettings(country, block);
    else if (cup == SuperCup) GetSuperCupSettings(country, block);
    else GetLeagueCupSettings(country, cup - 1, block);
    return block;
}

void StoreSettings(TCountry& country, int cup, int type, const SettingsBlock& block)
{
    if (cup == NationalCup) SetNationalCupSettings(country, type, block);
    else if (cup == SuperCup) SetSuperCupSettings(country, type, block);
    else SetLeagueCupSettings(country, cup - 1, type, block);
}

int InRange(int value, int count) { return value >= 0 && value < count ? value : -1; }

template <typename Value, typename Setter>
void StoreChanged(const Value& edited, const Value& shown, Setter set)
{
    if (edited != shown) set(edited);
}

void StoreCup(const TCountryCupView& edited, const TCountryCupView& shown, TCountry& country, int language, int cup)
{
    const auto at = static_cast<std::size_t>(cup);
    const int type = edited.types[at] < 0 ? shown.types[at] : edited.types[at];
    const bool remade = type != shown.types[at];
    if (remade || edited.tables[at] != shown.tables[at]) {
        // Words 32.. are the cup's own and stay as they are.
        SettingsBlock block = StoredSettings(country, cup);
        const SettingsBlock table = ToBlock(edited.tables[at]);
        std::copy_n(table.begin(), edited.tables[at].size(), block.begin());
        StoreSettings(country, cup, type, block);
    }
    if (remade || edited.names[at] != shown.names[at]) {
        if (CDBCompetition* competition = FindCup(country, cup)) competition->SetName(language, edited.names[at].c_str());
    }
}

void StoreCardRules(const TCountryCupView& edited, const TCountryCupView& shown, TCountry& country)
{
    if (edited.yellowCupRule >= 0) StoreChanged(edited.yellowCupRule, shown.yellowCupRule, [&](int v) { country.SetYellowCardCupRule(v); });
    if (edited.yellowLeagueRule >= 0) {
        StoreChanged(edited.yellowLeagueRule, shown.yellowLeagueRule, [&](int v) { country.SetYellowCardLeagueRule(v); });
    }
    StoreChanged(edited.homeAdvantageLowerLeague, shown.homeAdvantageLowerLeague, [&](bool v) { country.SetHomeAdvantageLowerLeague(v); });
    StoreChanged(edited.playerCupTied, shown.playerCupTied, [&](bool v) { country.SetPlayerCupTied(v); });
    StoreChanged(edited.yellowAfterYellowRedCup, shown.yellowAfterYellowRedCup, [&](bool v) { country.SetYellowAfterYellowRedCup(v); });
    StoreChanged(edited.yellowAfterYellowRedLeague, shown.yellowAfterYellowRedLeague,
                 [&](bool v) { country.SetYellowAfterYellowRedLeague(v); });
    for (int league = 0; league < YellowRedBanLeagues; ++league) {
        const auto at = static_cast<std::size_t>(league);
        StoreChanged(edited.yellowRedBans[at], shown.yellowRedBans[at], [&](bool v) { country.SetYellowRedBanLeague(league, v); });
    }
    for (int kind = 0; kind < 3; ++kind) {
        const auto at = static_cast<std::size_t>(kind);
        StoreChanged(edited.banForAll[at], shown.banForAll[at], [&](bool v) { country.SetBanForAllCompetitions(kind, v); });
    }
    if (edited.redCardRule >= 0) {
        StoreChanged(edited.redCardRule, shown.redCardRule, [&](int v) { country.SetRedCardRule(static_cast<std::uint8_t>(v)); });
    }
    StoreChanged(edited.cardFlags, shown.cardFlags, [&](std::uint8_t v) { country.SetCardFlags(v); });
}

}  // namespace

TCountryCupView LoadCountryCups(TCountry& country, int language)
{
    TCountryCupView view;
    for (int cup = 0; cup < CupPageCups; ++cup) {
        const auto at = static_cast<std::size_t>(cup);
        view.types[at] = StoredType(country, cup);
        const CDBCompetition* competition = FindCup(country, cup);
        if (competition != nullptr) view.names[at] = competition->GetNameInLanguage(language);
        view.tables[at] = ToTable(StoredSettings(country, cup));
    }
    view.finalStadium = country.GetCupFinalStadium();
    view.yellowLeagueRule = InRange(country.GetYellowCardLeagueRule(), YellowCardRuleCount);
    view.yellowCupRule = InRange(country.GetYellowCardCupRule(), YellowCardRuleCount);
    view.yellowAfterYellowRedLeague = country.GetYellowAfterYellowRedLeague();
    view.yellowAfterYellowRedCup = country.GetYellowAfterYellowRedCup();
    view.homeAdvantageLowerLeague = country.GetHomeAdvantageLowerLeague();
    view.playerCupTied = country.GetPlayerCupTied();
    for (int league = 0; league < YellowRedBanLeagues; ++league) {
        view.yellowRedBans[static_cast<std::size_t>(league)] = country.GetYellowRedBanLeague(league);
    }
    for (int kind = 0; kind < 3; ++kind) view.banForAll[static_cast<std::size_t>(kind)] = country.GetBanForAllCompetitions(kind);
    view.redCardRule = InRange(country.GetRedCardRule(), RedCardRuleCount);
    view.cardFlags = country.GetCardFlags();
    return view;
}

void StoreCountryCups(const TCountryCupView& edited, TCountry& country, int language)
{
    const TCountryCupView shown = LoadCountryCups(country, language);
    for (int cup = 0; cup < CupPageCups; ++cup) StoreCup(edited, shown, country, language, cup);
    if (edited.finalStadium >= 0) StoreChanged(edited.finalStadium, shown.finalStadium, [&](int v) { country.SetCupFinalStadium(v); });
    StoreCardRules(edited, shown, country);
}

bool IsCupRoundKept(const TCupAllocTable& table, int type, int round)
{
    const TCupAllocEntry* entry = type > 0 ? table.GetEntry(type) : nullptr;
    if (entry == nullptr || round < 0 || round >= CupRounds) return false;
    return round >= CupRounds - entry->GetRoundCount();
}
