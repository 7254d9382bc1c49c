#include "competition/CompetitionId.h"

#include "competition/Keywords.h"
#include "core/text/Format.h"
#include "competition/Competition.h"
#include "database/country/CompetitionRegistry.h"
#include "database/world/WorldList.h"

std::int32_t ParseLeadingInt(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) value = value * 10 + (text[i] - u'0');
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

TCompetitionRef ParseCompetitionRef(std::u16string_view text)
{
    TCompetitionRef ref;
    std::size_t at = text.find(u'{');
    if (at == std::u16string_view::npos) return ref;
    ref.country = ParseLeadingInt(text.substr(at + 1));
    at = text.find(u',', at);
    if (at == std::u16string_view::npos) return ref;
    ref.type = LookupKeyword(text.substr(at + 1), CompetitionTypeTable);
    at = text.find(u',', at + 1);
    if (at == std::u16string_view::npos) return ref;
    ref.index = ParseLeadingInt(text.substr(at + 1));
    ref.end = at + 1;
    ref.complete = true;
    return ref;
}

std::uint32_t ParseCompetitionId(std::u16string_view text, std::uint8_t defaultCountry)
{
    const TCompetitionRef ref = ParseCompetitionRef(text);
    const std::uint32_t country = ref.country < 0 ? defaultCountry : static_cast<std::uint32_t>(ref.country);
    return MakeCompetitionId(country, ref.type, static_cast<std::uint32_t>(ref.index));
}

std::u16string FormatCompetitionRef(std::uint32_t id, std::int32_t countryOverride)
{
    const std::int64_t country = countryOverride != -1 ? countryOverride : static_cast<std::int64_t>(CountryOfId(id));
    return Format(u"{ %d, %s, %d }", country, GetKeywordName(TypeOfId(id), CompetitionTypeTable), IndexOfId(id));
}

std::u16string GetCompetitionNameById(const TCompetitionRegistry& registry, std::uint32_t id)
{
    const CDBCompetitionBase* competition = registry.Get(id);
    return competition != nullptr ? std::u16string(competition->GetName()) : std::u16string();
}

CDBCompetition* GetCompetitionById(std::uint32_t id)
{
    TCompleteWorld* world = GetWorld();
    return world != nullptr ? dynamic_cast<CDBCompetition*>(world->GetCompetitions().Get(id)) : nullptr;
}

CDBCompetition* GetCompetition(std::uint32_t country, std::uint32_t type, std::uint32_t index)
{
    return GetCompetitionById(MakeCompetitionId(country, type, index));
}
