#include "database/person/PlayerXImport.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/files/CsvPlayer.h"
#include "core/files/FileMessages.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"

namespace {
constexpr char16_t FileName[] = u"playerx.txt";
constexpr std::uint32_t LastIndexedId = 59999;
constexpr std::size_t MaxLine = 1023;
constexpr std::uint8_t ImportedShoe = 36;

enum Column {
    NationalAppearances = 9,
    NationalGoals = 10,
    HairColour = 48,
    Face = 50,
    Hairstyle = 51,
    FacialHair = 52,
    Height = 59,
    Weight = 60,
};

std::uint8_t Byte(const TCsvPlayer& record, Column column)
{
    return static_cast<std::uint8_t>(std::clamp(record.columns[column], 0, 255));
}

using TLastNameIndex = std::unordered_map<std::u16string, std::vector<TPerson*>>;

TLastNameIndex IndexByLastName(const TCompleteWorld& world)
{
    TLastNameIndex index;
    for (std::uint32_t id = 1; id <= LastIndexedId; ++id) {
        if (TPerson* person = world.GetPerson(id)) index[person->GetLastName()].push_back(person);
    }
    return index;
}

void ApplyLine(const TLastNameIndex& index, std::u16string_view line)
{
    const std::u16string text(line.substr(0, MaxLine));
    TCsvPlayer record;
    ParseCsvPlayerLine(record, text.c_str());
    const auto found = index.find(record.lastName);
    if (found == index.end()) return;
    for (TPerson* person : found->second) {
        if (std::u16string_view(person->GetFirstName()) == record.firstName) ApplyCsvPlayer(record, *person);
    }
}
}  // namespace

void ApplyCsvPlayer(const TCsvPlayer& record, TPerson& person)
{
    person.SetAppearance(Byte(record, HairColour), Byte(record, Face), Byte(record, Hairstyle),
                         Byte(record, FacialHair), ImportedShoe);
    person.SetNationalTeamRecord(Byte(record, NationalAppearances), Byte(record, NationalGoals));
    person.SetHeightWeight(Byte(record, Height), Byte(record, Weight));
}

void ImportPlayerX(TCompleteWorld& world)
{
    CIndexTextFile file;
    if (!file.OpenRead(FileName)) {
        ShowFileNotFound(FileName);
        return;
    }
    const TLastNameIndex index = IndexByLastName(world);
    while (file.NextLine()) ApplyLine(index, file.GetCurrentLineView());
}
