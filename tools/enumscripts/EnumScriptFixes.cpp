// The enumeration scripts that change the database.

#include <vector>

#include "competition/Competition.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "core/files/ToolFiles.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "platform/Platform.h"
#include "tools/enumscripts/EnumScripts.h"

namespace enum_scripts {
namespace {

constexpr int CreatedClubs = 3;
constexpr char16_t NationalStadiumNames[TClub::LanguageCount][20] = {
    u"Nationalstadion", u"National Stadium", u"Stade National", u"Estadio Nacional", u"Stadio Nazionale",
    u"National Stadium"};
constexpr char16_t FinalCheckQuestion[] =
    u"You are about to\r\n- Delete all referees\r\n- Delete all staff members\r\n- Rename all stadiums (to generic "
    u"names)\r\n- Set all players to \"real person\"\r\n- Remove all player notes\r\n- Remove all nicknames\r\nDo you "
    u"really want to do it?\r\n";
constexpr int LastFinalCheckCountry = 207;
// The clean-up removes the referees under the keys 1..255; the key 256,
// the last one a country can hold, stays.
constexpr int LastFinalCheckReferee = 255;
constexpr int PolishFields = 8;
constexpr std::size_t MaxCsvLine = 1023;

// The lines of a tagged text file, each cut to the longest line read;
// false when it cannot be read.
bool ReadTextLines(const std::u16string& path, std::vector<std::u16string>& lines)
{
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !platform::ReadWholeFile(path, bytes)) return false;
    std::u16string text = DecodeToolText(bytes);
    std::erase(text, u'\r');
    for (const std::u16string& line : Split(text, u'\n', SIZE_MAX)) lines.push_back(line.substr(0, MaxCsvLine));
    return true;
}

// A damaged or foreign localisation file without the text keeps the names
// rather than name every stadium after the text's key.
void RenameToGenericStadiums(TClub& club)
{
    for (int language = 0; language < TClub::LanguageCount; ++language) {
        if (!TClub::HasGenericStadiumText(language)) continue;
        const std::u16string name = TClub::GenericStadiumName(language, club.GetTownForLanguage(language));
        if (!name.empty()) club.SetStadiumNameForLanguage(language, name.c_str());
    }
}

void MakeSquadReal(TClub& club)
{
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        TPerson* person = club.GetSquadPerson(slot);
        if (person == nullptr) continue;
        person->SetRealPerson(true);
        if (!person->GetNotes().empty()) person->SetNotes(u"");
        if (person->GetNickname()[0] != 0) person->SetNickname(u"");
    }
}

// Staff leave the squad one at a time, looking again from the first slot.
void RemoveStaff(TClub& club)
{
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        const TPerson* person = club.GetSquadPerson(slot);
        if (person == nullptr || person->GetType() == PersonPlayer) continue;
        club.RemovePlayer(person);
        slot = -1;
    }
}

void ApplyPolishClubLine(TCompleteWorld& world, const std::vector<std::u16string>& fields)
{
    TClub* club = world.FindClubByUniqueId(static_cast<std::uint32_t>(WindowsStrToLong(fields[0].c_str(), 16)));
    if (club == nullptr) return;
    const std::u16string oldGeneric = TClub::GenericStadiumName(PolishLanguage, club->GetTownForLanguage(PolishLanguage));
    const bool wasGeneric = SameText(club->GetStadiumNameForLanguage(PolishLanguage), oldGeneric);
    club->SetNameForLanguage(PolishLanguage, fields[1].c_str());
    club->SetShortNameForLanguage(PolishLanguage, fields[2].c_str());
    club->SetAbbreviationForLanguage(PolishLanguage, fields[3].c_str());
    club->SetTownForLanguage(PolishLanguage, fields[4].c_str());
    if (wasGeneric) {
        club->SetStadiumNameForLanguage(PolishLanguage, TClub::GenericStadiumName(PolishLanguage, fields[4]).c_str());
    }
}

}  // namespace

void CreateAnywhereClubs(TEnumScriptContext& context)
{
    TCountry& country = *context.country;
    if (country.GetClubCount() >= CreatedClubs) return;
    for (int number = 1; number <= CreatedClubs; ++number) {
        country.CreateClub(Format(u"FC %s Team %d", country.GetName(), number).c_str());
    }
}

void RenameNationalStadiums(TEnumScriptContext& context)
{
    TClub* national = context.country->GetNationalTeam();
    if (national == nullptr) return;
    for (int language = 0; language < TClub::LanguageCount; ++language) {
        national->SetStadiumNameForLanguage(language, NationalStadiumNames[language]);
    }
}

void RenameAiFiles(TEnumScriptContext& context)
{
    const TClub& club = *context.club;
    if (club.GetQaroId() == 0) return;
    const std::u16string name =
        SanitisedFileName(Format(u"%s - %s", context.country->GetName(), club.GetName()));
    for (const char16_t* ending : {u".ai", u".ai.ai"}) {
        const std::u16string from = CToolFiles::Resolve(Format(u"C:\\Qaro08_AI\\t%d%s", club.GetQaroId(), ending));
        const std::u16string to = CToolFiles::Resolve(Format(u"C:\\Qaro08_AI\\%s%s", name, ending));
        if (from.empty() || !platform::FileExists(from)) continue;
        if (platform::FileExists(to) || !platform::RenameOver(from, to)) {
            context.report->AddEntry(context.currentItem, ReportType::Warning, Format(u"%s was not moved", from),
                                     Format(u"%s exists already or cannot be written.", to));
        }
    }
}

void FinalCheck(TEnumScriptContext& context)
{
    if (ShowAppMessageBox(FinalCheckQuestion, AppMessage::YesNo | AppMessage::IconQuestion) != AppMessage::IdYes) return;
    for (int id = 1; id <= LastFinalCheckCountry; ++id) {
        TCountry* country = context.world->GetCountry(id);
        if (country == nullptr) continue;
        for (int key = 1; key <= LastFinalCheckReferee; ++key) country->GetReferees().Remove(key);
        for (int index = 0; index < country->GetClubCount(); ++index) {
            TClub* club = country->GetClubByIndex(index);
            if (club == nullptr) continue;
            RemoveStaff(*club);
            RenameToGenericStadiums(*club);
            MakeSquadReal(*club);
        }
    }
    ShowAppMessageBox(u"Done.");
}

void FixPolishClubs(TEnumScriptContext& context)
{
    const std::u16string path = CToolFiles::Resolve(u"C:\\ClubfixPL.csv");
    std::vector<std::u16string> lines;
    if (!ReadTextLines(path, lines)) {
        ShowAppMessageBox(Format(u"Missing %s", path.empty() ? u"C:\\ClubfixPL.csv" : path).c_str());
        return;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::u16string> fields = Split(lines[i], u'\t', PolishFields);
        if (fields.size() >= 5) ApplyPolishClubLine(*context.world, fields);
    }
}

void FixPolishCompetitions(TEnumScriptContext& context)
{
    const std::u16string path = CToolFiles::Resolve(u"C:\\CompetitionPL.csv");
    std::vector<std::u16string> lines;
    if (!ReadTextLines(path, lines)) {
        ShowAppMessageBox(Format(u"Missing %s", path.empty() ? u"C:\\CompetitionPL.csv" : path).c_str());
        return;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::u16string> fields = Split(lines[i], u'\t', PolishFields);
        if (fields.size() < 2) continue;
        const auto id = static_cast<std::uint32_t>(WindowsStrToLong(fields[0].c_str(), 16));
        auto* competition = dynamic_cast<CDBCompetition*>(context.world->GetCompetitions().Get(id));
        if (competition != nullptr) competition->SetName(PolishLanguage, fields[1].c_str());
    }
}

void FixPolishNationalStadiums(TEnumScriptContext& context)
{
    TClub& club = *context.club;
    const std::u16string genericEnglish = TClub::GenericStadiumName(EnglishLanguage, club.GetTownForLanguage(EnglishLanguage));
    if (SameText(club.GetStadiumNameForLanguage(EnglishLanguage), genericEnglish)) return;
    if (!SameText(club.GetStadiumNameForLanguage(PolishLanguage), u"National Stadium")) return;
    club.SetStadiumNameForLanguage(PolishLanguage, u"Stadion Narodowy");
    context.report->AddEntry(0, ReportType::Success, context.country->GetName(), u"Added national team stadium");
}

}  // namespace enum_scripts
