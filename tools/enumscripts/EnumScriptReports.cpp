// The enumeration scripts that report what they find: archive listings,
// picture and face usage, names the game cannot hold, screen images and the
// sibling game's team mapping.

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "archive/MireloBig.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "core/files/ToolFiles.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/PlayerPortrait.h"
#include "database/club/ReferenceLists.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "tools/enumscripts/EnumScripts.h"

namespace enum_scripts {
namespace {

constexpr int LastArchive = 98;
constexpr std::size_t GameTextCapacity = 256;
constexpr std::size_t MaxMappingBytes = 256 * 1024;
constexpr std::size_t MaxMappingLines = 8192;
constexpr std::size_t MaxMappingFields = 128;
constexpr std::size_t TgaHeaderSize = 18;

// An 8-bit file of the developers' machines (Windows-1252), carriage
// returns dropped, cut to its size limit and split into lines.
bool ReadMappingLines(std::u16string_view path, std::vector<std::u16string>& lines)
{
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !platform::ReadWholeFile(path, bytes)) return false;
    bytes.resize(std::min(bytes.size(), MaxMappingBytes));
    std::u16string text = platform::Cp1252ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::erase(text, u'\r');
    lines = Split(text, u'\n', MaxMappingLines);
    return true;
}

bool HasName(const TClub& club, std::u16string_view name)
{
    for (int language = 0; language < TClub::LanguageCount; ++language) {
        if (SameText(club.GetNameForLanguage(language), name) || SameText(club.GetShortNameForLanguage(language), name)) {
            return true;
        }
    }
    return false;
}

TClub* FindClubNamed(const std::vector<TCountryClubPerson>& clubs, std::u16string_view name)
{
    for (const TCountryClubPerson& entry : clubs) {
        if (HasName(*entry.club, name)) return entry.club;
    }
    return nullptr;
}

void MapPlayers(TEnumScriptContext& context, const std::vector<std::u16string>& lines)
{
    std::vector<TCountryClubPerson> persons;
    context.world->CollectPersons(persons, 2);
    ReportEntryHandle notFound = 0;
    for (const std::u16string& line : lines) {
        const std::vector<std::u16string> fields = Split(line, u',', MaxMappingFields);
        if (fields.size() < 4) continue;
        const bool found = std::any_of(persons.begin(), persons.end(), [&](const TCountryClubPerson& entry) {
            return SameText(entry.person->GetLastName(), fields[1]) && SameText(entry.person->GetFirstName(), fields[2]);
        });
        if (found) continue;
        if (notFound == 0) notFound = context.report->AddCategory(0, u"Not found players");
        context.report->AddEntry(notFound, ReportType::Info, Format(u"%s, %s", fields[1], fields[2]));
    }
}

bool TgaSize(const std::u16string& path, int& width, int& height)
{
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes) || bytes.size() < TgaHeaderSize) return false;
    width = bytes[12] | (bytes[13] << 8);
    height = bytes[14] | (bytes[15] << 8);
    return true;
}

struct TImageCategories {
    ReportEntryHandle information;
    ReportEntryHandle successful;
    ReportEntryHandle warnings;
    ReportEntryHandle errors;
};

void CheckImageLine(TEnumScriptContext& context, const std::u16string& line, bool dumpSuccesses,
                    const TImageCategories& categories)
{
    CReportModel& report = *context.report;
    const std::vector<std::u16string> fields = Split(line, u'\t', 6);
    if (fields.size() != 5 || fields[1].empty()) {
        report.AddEntry(categories.information, ReportType::Info, u"Line not understood", line);
        return;
    }
    const int wantedWidth = WindowsStrToLong(fields[2].c_str(), 10);
    const int wantedHeight = WindowsStrToLong(fields[3].c_str(), 10);
    const std::u16string path = CToolFiles::Resolve(Format(u"D:\\Source\\mainline\\tr\\build\\%s.tga", fields[1]));
    int width = 0;
    int height = 0;
    if (path.empty() || !TgaSize(path, width, height)) {
        report.AddEntry(categories.errors, ReportType::Error, fields[1], Format(u"Error opening file %s", path));
        return;
    }
    const std::u16string description =
        Format(u"Screen: %s\r\nFilename: %s\r\nImage File width: %d (In XML specified: %d)\r\nImage File height: %d (In "
               u"XML specified: %d)\r\nRuntime type: %s\r\n",
               fields[0], fields[1], width, wantedWidth, height, wantedHeight, fields[4]);
    if (width == wantedWidth && height == wantedHeight) {
        if (dumpSuccesses) report.AddEntry(categories.successful, ReportType::Success, fields[1], description);
        return;
    }
    // Button images may hold several states side by side or stacked.
    const bool button = fields[4] == u"Button" || fields[4] == u"TextButton";
    report.AddEntry(button ? categories.warnings : categories.errors, button ? ReportType::Warning : ReportType::Error,
                    fields[1], description);
}

}  // namespace

void MapQaroTeams(TEnumScriptContext& context)
{
    CReportModel& report = *context.report;
    std::vector<std::u16string> teamLines;
    if (!ReadMappingLines(CToolFiles::Resolve(u"C:\\Qaro-Team.txt"), teamLines)) {
        ShowAppMessageBox(u"Error opening team file");
        return;
    }
    std::vector<TCountryClubPerson> clubs;
    context.world->CollectPersons(clubs, 1);
    std::map<TClub*, std::uint32_t> matched;
    std::set<std::uint32_t> fileIds;
    ReportEntryHandle untranslated = 0;
    for (const std::u16string& line : teamLines) {
        const std::vector<std::u16string> fields = Split(line, u'\t', MaxMappingFields);
        if (fields.size() < 2) continue;
        const auto id = static_cast<std::uint32_t>(WindowsStrToLong(fields[0].c_str(), 10));
        fileIds.insert(id);
        // The built-in table of known spellings ships empty.
        if (TClub* club = FindClubNamed(clubs, fields[1])) {
            matched[club] = id;
            continue;
        }
        if (untranslated == 0) untranslated = report.AddCategory(0, u"Untranslated clubs");
        report.AddEntry(untranslated, ReportType::Info, Format(u"%d, %s", id, fields[1]));
    }
    ReportEntryHandle invalid = 0;
    for (const TCountryClubPerson& entry : clubs) {
        TClub& club = *entry.club;
        if (club.GetQaroId() != 0 && fileIds.count(club.GetQaroId()) == 0) {
            if (invalid == 0) invalid = report.AddCategory(0, u"Invalid Qaro IDs");
            report.AddEntry(invalid, ReportType::Info,
                            Format(u"%d, %s, %s", club.GetUniqueId(), club.GetName(), entry.country->GetName()));
        }
        club.SetQaroId(0);
    }
    for (const auto& [club, id] : matched) club->SetQaroId(id);
    std::vector<std::u16string> playerLines;
    if (!ReadMappingLines(CToolFiles::Resolve(u"C:\\Qaro-Player.csv"), playerLines)) {
        ShowAppMessageBox(u"Error opening team file");
        return;
    }
    MapPlayers(context, playerLines);
}

void ListBigFiles(TEnumScriptContext& context)
{
    std::string listing;
    for (int number = 0; number <= LastArchive; ++number) {
        CMireloBig archive;
        const std::u16string name = Format(u"zdata_%.2d.big", number);
        const std::u16string path = platform::JoinPath(platform::GetBaseFolder(), u"data\\" + name);
        // Most numbers have no archive: only those present are opened.
        if (!platform::FileExists(path) || !archive.Open(path, true)) continue;
        for (int index = 0; index < archive.GetCount(); ++index) {
            listing += archive.GetEntry(index).name + "\t" + platform::Utf16ToCp1252(name) + "\r\n";
        }
    }
    const std::u16string path = CToolFiles::Resolve(u"C:\\biglist.txt");
    if (path.empty() || !platform::WriteFileAtomic(path, std::span(reinterpret_cast<const std::uint8_t*>(listing.data()),
                                                                   listing.size()))) {
        context.report->AddEntry(0, ReportType::Error, u"The list could not be written", path);
    }
}

void ReportUnusedImages(TEnumScriptContext& context)
{
    const std::u16string folder = platform::JoinPath(platform::GetBaseFolder(), u"art\\picture");
    std::vector<std::u16string> files;
    for (const std::u16string& name : platform::ListFolder(folder)) {
        if (FoldLatinCase(name).ends_with(u".tga")) files.push_back(name);
    }
    std::sort(files.begin(), files.end(),
              [](const std::u16string& a, const std::u16string& b) { return FoldLatinCase(a) < FoldLatinCase(b); });
    std::vector<TCountryClubPerson> persons;
    context.world->CollectPersons(persons, 2);
    std::map<std::u16string, int> users;
    for (const TCountryClubPerson& entry : persons) {
        ++users[FoldLatinCase(GetPlayerPortraitPath(PortraitOf(*entry.person), false))];
    }
    for (const std::u16string& file : files) {
        const auto found = users.find(FoldLatinCase(file));
        const int count = found == users.end() ? 0 : found->second;
        const int type = count == 0 ? ReportType::Warning : count == 1 ? ReportType::Success : ReportType::Error;
        context.report->AddEntry(0, type, file);
    }
}

void ReportFaceUsage(TEnumScriptContext& context)
{
    const CBaseTextFile& faces = GetFaceList();
    std::vector<TCountryClubPerson> persons;
    context.world->CollectPersons(persons, 2);
    std::map<std::uint32_t, const TCountryClubPerson*> first;
    for (const TCountryClubPerson& entry : persons) {
        const TPerson& person = *entry.person;
        const std::uint32_t id = person.GetFaceId();
        if (id == 0) continue;
        const auto [found, isFirst] = first.emplace(id, &entry);
        if (isFirst) continue;
        const TCountryClubPerson& earlier = *found->second;
        context.report->AddEntry(
            0, ReportType::Error, u"Players with same Qaro-ID",
            Format(u"Qaro-ID: %d\r\nFace Name: %s\r\n\r\nPlayer: %s, %s\r\nTeam: %s\r\nCountry: %s\r\n\r\nPlayer: %s, "
                   u"%s\r\nTeam: %s\r\nCountry: %s\r\n\r\n",
                   id, faces.GetTextById(id), person.GetLastName(), person.GetFirstName(), entry.club->GetName(),
                   entry.country->GetName(), earlier.person->GetLastName(), earlier.person->GetFirstName(),
                   earlier.club->GetName(), earlier.country->GetName()));
    }
    for (int index = 0; index < faces.GetCount(); ++index) {
        const std::uint32_t id = faces.GetId(index);
        if (id == 0 || first.count(id) != 0) continue;
        context.report->AddEntry(0, ReportType::Info,
                                 Format(u"Player face \"%s\" with ID: %d is unused.", faces.GetText(index), id));
    }
}

void CheckInvalidNames(TEnumScriptContext& context)
{
    const TPerson& person = *context.person;
    const TClub& club = *context.club;
    std::vector<const char16_t*> texts = {person.GetFirstName(), person.GetLastName(), person.GetPseudonym(),
                                          person.GetNickname()};
    for (int language = 0; language < TClub::LanguageCount; ++language) texts.push_back(club.GetNameForLanguage(language));
    const bool invalid = std::any_of(texts.begin(), texts.end(), [](const char16_t* text) {
        std::uint8_t converted[GameTextCapacity] = {};
        ToGameCodepage(text, converted, sizeof converted);
        return std::find(std::begin(converted), std::end(converted), '?') != std::end(converted);
    });
    if (invalid) context.report->AddEntry(context.currentItem, ReportType::Error, TPerson::GetShortName(&person));
}

void CheckImages(TEnumScriptContext& context)
{
    CReportModel& report = *context.report;
    const std::u16string path = CToolFiles::Resolve(u"C:\\ScreenImages.txt");
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !platform::ReadWholeFile(path, bytes)) {
        ShowAppMessageBox(u"Error loading images parameter file");
        return;
    }
    const bool dumpSuccesses = ShowAppMessageBox(u"Dump successes?", AppMessage::YesNo) == AppMessage::IdYes;
    const TImageCategories categories{report.AddCategory(0, u"Information"), report.AddCategory(0, u"Successful"),
                                      report.AddCategory(0, u"Warnings"), report.AddCategory(0, u"Errors")};
    std::u16string text = DecodeToolText(bytes);
    std::erase(text, u'\r');
    for (const std::u16string& line : Split(text, u'\n', SIZE_MAX)) {
        if (!line.empty()) CheckImageLine(context, line, dumpSuccesses, categories);
    }
}

}  // namespace enum_scripts
