// The enumeration scripts that write tab-separated lists under "C:\".

#include "competition/CompetitionId.h"
#include "core/text/Format.h"
#include "core/files/ToolFiles.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/club/KitPalette.h"
#include "database/country/RulesAndMisc.h"
#include "tools/enumscripts/EnumScripts.h"

namespace enum_scripts {
namespace {

constexpr int SerbiaAndMontenegro = 51;
constexpr int Serbia = 206;
constexpr int LoyalTrait = 7;
constexpr int DisloyalTrait = 8;
constexpr int PositionColumns = 6;
constexpr const char16_t* PositionHeadings[PositionColumns] = {u"Main Position", u"Main Alt 1", u"Main Alt 2",
                                                               u"Secondary 1",   u"Secondary 2", u"Secondary 3"};
constexpr int CompetitionIndexes = 32;
constexpr std::uint32_t LegalCompetitionTypes[] = {TypeLeague, TypeRelegation, TypeFaCup, TypeLeagueCup, TypeSuperCup};

void OpenList(TEnumScriptContext& context, std::u16string_view path)
{
    context.writer.Open(CToolFiles::Resolve(path));
}

const char16_t* EnglishName(const TCountry& country) { return country.GetNameInLanguage(EnglishLanguage); }

const char16_t* CountryName(const TCompleteWorld& world, int id)
{
    const TCountry* country = id >= 1 && id <= CBaseHotfix::LastCountryId ? world.GetCountry(id) : nullptr;
    return country != nullptr ? EnglishName(*country) : u"";
}

void AddPlace(TEnumScriptContext& context, std::u16string_view noLeague)
{
    CTabTableWriter& writer = context.writer;
    writer.AddColumn(u"Country", EnglishName(*context.country));
    writer.AddColumn(u"League", LeagueName(context, EnglishLanguage, noLeague));
    writer.AddColumn(u"Club", context.club->GetNameForLanguage(EnglishLanguage));
}

std::u16string ColourText(std::uint8_t paletteIndex)
{
    return Format(u"%08X", GetKitPaletteColourArgb(paletteIndex));
}

void AddKitColumns(CTabTableWriter& writer, const TKit& kit, int kitIndex, const char16_t* label)
{
    struct TSlot {
        const char16_t* part;
        int slot;
        int colours;
    };
    for (const TSlot& s : {TSlot{u"Shirt", 0, 3}, TSlot{u"Short", 2, 3}, TSlot{u"Socks", 3, 2}}) {
        std::uint8_t colours[3] = {};
        kit.GetColour(kitIndex, s.slot, colours[0], colours[1], colours[2]);
        for (int c = 0; c < s.colours; ++c) {
            writer.AddColumn(Format(u"%s %s %d", label, s.part, c + 1), ColourText(colours[c]));
        }
    }
}

template <typename NameInLanguage>
void AddLanguageRow(CTabTableWriter& writer, std::u16string_view id, std::u16string_view country,
                    NameInLanguage nameInLanguage)
{
    writer.AddColumn(u"Competition ID", id);
    writer.AddColumn(u"Country", country);
    for (const TLanguageLabel& label : LegalLanguages) {
        const char16_t* name = nameInLanguage(label.language);
        writer.AddColumn(Format(u"[%s]", label.label), name != nullptr ? name : u"");
    }
    writer.EndRow();
}

void AddCupTitleRows(TEnumScriptContext& context)
{
    const TRulesAndMisc& rules = context.world->GetRulesAndMisc();
    for (int continent = 0; continent < TRulesAndMisc::Continents; ++continent) {
        for (int cup = 0; cup < TRulesAndMisc::Cups; ++cup) {
            const char16_t* title = rules.GetCupTitle(continent, cup, EnglishLanguage);
            if (title == nullptr || title[0] == 0) continue;
            AddLanguageRow(context.writer, u"(n/a)", u"(n/a)",
                           [&](int language) { return rules.GetCupTitle(continent, cup, language); });
        }
    }
}

}  // namespace

std::u16string LeagueName(const TEnumScriptContext& context, int language, std::u16string_view fallback)
{
    const CDBCompetitionBase* league = context.world->GetLeagueOfClub(*context.club);
    const char16_t* name = league != nullptr ? league->GetNameInLanguage(language) : nullptr;
    return name != nullptr ? std::u16string(name) : std::u16string(fallback);
}

void ListClubs(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\Clubs.txt");
    context.writer.AddNumberColumn(u"Qaro ID", static_cast<std::int32_t>(context.club->GetQaroId()), 16);
    AddPlace(context, u"");
}

void ListPlayerImages(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\PlayerImages.txt");
    const TPerson& person = *context.person;
    if (!person.IsFirstTeam()) return;
    CTabTableWriter& writer = context.writer;
    AddPlace(context, u"-");
    writer.AddColumn(u"Last Name", person.GetLastName());
    writer.AddColumn(u"First Name", person.GetFirstName());
    const TPortraitPerson portrait = PortraitOf(person);
    writer.AddColumn(u"Picture", GetPlayerPortraitPath(portrait, false));
    writer.AddColumn(u"Has Picture", GetPlayerPortraitPath(portrait, true).empty() ? u"" : u"X");
}

void ListSerbianPlayers(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\PlayersSerbia.txt");
    const TPerson& person = *context.person;
    const auto isSerbian = [](int id) { return id == SerbiaAndMontenegro || id == Serbia; };
    if (!isSerbian(person.GetNationality()) && !isSerbian(person.GetSecondNationality())) return;
    CTabTableWriter& writer = context.writer;
    AddPlace(context, u"");
    writer.AddColumn(u"Last Name", person.GetLastName());
    writer.AddColumn(u"First Name", person.GetFirstName());
    writer.AddColumn(u"Nationality 1", CountryName(*context.world, person.GetNationality()));
    writer.AddColumn(u"Nationality 2", CountryName(*context.world, person.GetSecondNationality()));
}

void ListMobilePlayers(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\Mobile - Player.txt");
    const TPerson& person = *context.person;
    CTabTableWriter& writer = context.writer;
    writer.AddNumberColumn(u"Qaro-ID", static_cast<std::int32_t>(person.GetFaceId()), 10);
    AddPlace(context, u"");
    writer.AddColumn(u"First Name", person.GetFirstName());
    writer.AddColumn(u"Last Name", person.GetLastName());
    const CEnumTexts& texts = GetEnumTexts();
    for (int slot = 0; slot < PositionColumns; ++slot) {
        writer.AddColumn(PositionHeadings[slot], texts.GetPositionName(person.GetPosition(slot)));
    }
    const int loyalty = person.HasCharacterTrait(LoyalTrait) ? 1 : person.HasCharacterTrait(DisloyalTrait) ? -1 : 0;
    writer.AddNumberColumn(u"Loyality", loyalty, 10);
}

void ListMobileClubs(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\Mobile - Club.txt");
    const TClub& club = *context.club;
    CTabTableWriter& writer = context.writer;
    writer.AddNumberColumn(u"QaroID", static_cast<std::int32_t>(club.GetQaroId()), 10);
    AddPlace(context, u"");
    AddKitColumns(writer, *club.GetKit(), 0, u"Home");
    AddKitColumns(writer, *club.GetKit(), 1, u"Away");
}

void ListLegalClubs(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\Legal - Clubnames.txt");
    const TClub& club = *context.club;
    CTabTableWriter& writer = context.writer;
    writer.AddNumberColumn(u"Club ID", static_cast<std::int32_t>(club.GetUniqueId()), 16);
    writer.AddColumn(u"Country", EnglishName(*context.country));
    writer.AddColumn(u"League", LeagueName(context, EnglishLanguage, u""));
    for (const TLanguageLabel& label : LegalLanguages) {
        writer.AddColumn(Format(u"Full Name [%s]", label.label), club.GetNameForLanguage(label.language));
        writer.AddColumn(Format(u"Short Name [%s]", label.label), club.GetShortNameForLanguage(label.language));
        writer.AddColumn(Format(u"Abbreviation [%s]", label.label), club.GetAbbreviationForLanguage(label.language));
        writer.AddColumn(Format(u"Town [%s]", label.label), club.GetTownForLanguage(label.language));
        writer.AddColumn(Format(u"Stadium [%s]", label.label), club.GetStadiumNameForLanguage(label.language));
        writer.AddColumn(u"", u"");
    }
}

void ListLegalCompetitions(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\Legal - Competitions.txt");
    if (context.writer.IsFirstRow()) AddCupTitleRows(context);
    const TCountry& country = *context.country;
    for (std::uint32_t type : LegalCompetitionTypes) {
        for (std::uint32_t index = 0; index < CompetitionIndexes; ++index) {
            const std::uint32_t id = MakeCompetitionId(static_cast<std::uint32_t>(country.GetId()), type, index);
            const CDBCompetitionBase* competition = context.world->GetCompetitions().Get(id);
            if (competition == nullptr) continue;
            AddLanguageRow(context.writer, Format(u"%08X", id), EnglishName(country),
                           [&](int language) { return competition->GetNameInLanguage(language); });
        }
    }
}

void ListLegalCountries(TEnumScriptContext& context)
{
    OpenList(context, u"C:\\Legal - Countries.txt");
    const TCountry& country = *context.country;
    CTabTableWriter& writer = context.writer;
    writer.AddNumberColumn(u"CountryID", country.GetId(), 10);
    for (const TLanguageLabel& label : LegalLanguages) {
        writer.AddColumn(Format(u"Name [%s]", label.label), country.GetNameInLanguage(label.language));
        writer.AddColumn(Format(u"Abbreviation [%s]", label.label), country.GetAbbreviationInLanguage(label.language));
    }
}

}  // namespace enum_scripts
