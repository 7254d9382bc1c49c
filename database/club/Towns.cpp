#include "database/club/Towns.h"

#include <algorithm>
#include <utility>

#include "core/files/IndexTextFile.h"
#include "core/text/TextTools.h"
#include "database/world/FieldNumber.h"

namespace {

constexpr std::size_t MaxLine = 255;
constexpr int MaxFields = 16;
constexpr int FieldsPerTown = 10;

std::vector<std::u16string_view> SplitFields(std::u16string_view line)
{
    std::vector<std::u16string_view> fields;
    while (static_cast<int>(fields.size()) < MaxFields - 1) {
        const std::size_t bar = line.find(u'|');
        if (bar == std::u16string_view::npos) break;
        fields.push_back(line.substr(0, bar));
        line.remove_prefix(bar + 1);
    }
    fields.push_back(line);
    return fields;
}

void ReadDigits(std::u16string_view field, std::uint8_t (&digits)[TTown::DigitCount])
{
    for (std::size_t i = 0; i < field.size() && i < TTown::DigitCount; ++i) {
        const char16_t c = field[i];
        digits[i] = c >= u'0' && c <= u'9' ? static_cast<std::uint8_t>(c - u'0') : 0;
    }
}

std::u16string WriteDigits(const std::uint8_t (&digits)[TTown::DigitCount])
{
    std::u16string text;
    for (std::uint8_t digit : digits) text += static_cast<char16_t>(u'0' + digit);
    return text;
}

// A '|' inside a text would split the line into one field too many.
std::u16string FieldText(const char16_t* text)
{
    std::u16string field(text);
    std::replace(field.begin(), field.end(), u'|', u'/');
    return field;
}

}  // namespace

bool TTown::SameNames(const TTown& other) const
{
    return std::u16string_view(Name) == std::u16string_view(other.Name) &&
           std::u16string_view(SecondName) == std::u16string_view(other.SecondName);
}

bool TTown::operator==(const TTown& other) const
{
    return SameNames(other) && Value1 == other.Value1 && Value2 == other.Value2 &&
           std::u16string_view(Text1) == std::u16string_view(other.Text1) &&
           std::u16string_view(Text2) == std::u16string_view(other.Text2) && Number == other.Number &&
           std::ranges::equal(Digits1, other.Digits1) && std::ranges::equal(Digits2, other.Digits2);
}

void TTownList::Clear()
{
    for (auto& list : towns_) list.clear();
    path_.clear();
    dirty_ = false;
}

bool TTownList::Load(std::u16string_view path)
{
    // Taken before Clear: the path may be this list's own.
    std::u16string loaded(path);
    Clear();
    CIndexTextFile file;
    if (!file.OpenRead(loaded)) return false;
    std::u16string line;
    while (file.ReadCString(line)) ReadLine(std::u16string_view(line).substr(0, MaxLine));
    path_ = std::move(loaded);
    dirty_ = false;
    return true;
}

void TTownList::ReadLine(std::u16string_view line)
{
    const std::vector<std::u16string_view> fields = SplitFields(line);
    if (static_cast<int>(fields.size()) < FieldsPerTown) return;
    const auto country = static_cast<std::int32_t>(ParseFieldNumber(fields[0]));
    if (!IsCountry(country)) return;
    TTown town;
    CopyText(town.Name, fields[1]);
    town.Value1 = static_cast<std::int32_t>(ParseFieldNumber(fields[2]));
    town.Value2 = static_cast<std::int32_t>(ParseFieldNumber(fields[3]));
    CopyText(town.SecondName, fields[4]);
    CopyText(town.Text1, fields[5]);
    CopyText(town.Text2, fields[6]);
    town.Number = static_cast<std::uint8_t>(ParseFieldNumber(fields[7]));
    ReadDigits(fields[8], town.Digits1);
    ReadDigits(fields[9], town.Digits2);
    if (!Contains(country, town)) towns_[static_cast<std::size_t>(country)].push_back(town);
}

bool TTownList::SaveAs(std::u16string_view path)
{
    CIndexTextFile file;
    if (!file.OpenWrite(path)) return false;
    bool ok = true;
    for (int country = FirstCountry; country <= LastCountry; ++country) {
        for (const TTown& town : towns_[static_cast<std::size_t>(country)]) {
            ok &= file.WriteFormat(u"%d|%s|%d|%d|%s|%s|%s|%d|%s|%s", country, FieldText(town.Name), town.Value1,
                                   town.Value2, FieldText(town.SecondName), FieldText(town.Text1),
                                   FieldText(town.Text2), town.Number, WriteDigits(town.Digits1),
                                   WriteDigits(town.Digits2));
        }
    }
    // Without every line the temporary file is dropped and the old one stays.
    if (!ok || !file.Close()) return false;
    path_ = std::u16string(path);
    dirty_ = false;
    return true;
}

bool TTownList::IsTown(int country, int index) const
{
    return IsCountry(country) && index >= 0 && index < GetTownCount(country);
}

int TTownList::GetTownCount(int country) const
{
    return IsCountry(country) ? static_cast<int>(towns_[static_cast<std::size_t>(country)].size()) : 0;
}

const TTown& TTownList::GetTown(int country, int index) const
{
    return IsTown(country, index) ? towns_[static_cast<std::size_t>(country)][static_cast<std::size_t>(index)] : empty_;
}

bool TTownList::SetTown(int country, int index, const TTown& town)
{
    if (!IsTown(country, index)) return false;
    TTown& stored = towns_[static_cast<std::size_t>(country)][static_cast<std::size_t>(index)];
    if (!(stored == town)) {
        stored = town;
        dirty_ = true;
    }
    return true;
}

bool TTownList::AddTown(int country, const TTown& town)
{
    if (!IsCountry(country) || Contains(country, town)) return false;
    towns_[static_cast<std::size_t>(country)].push_back(town);
    dirty_ = true;
    return true;
}

bool TTownList::RemoveTown(int country, int index)
{
    if (!IsTown(country, index)) return false;
    auto& list = towns_[static_cast<std::size_t>(country)];
    list.erase(list.begin() + index);
    dirty_ = true;
    return true;
}

bool TTownList::Contains(int country, const TTown& town) const
{
    if (!IsCountry(country)) return false;
    const auto& list = towns_[static_cast<std::size_t>(country)];
    return std::ranges::any_of(list, [&town](const TTown& known) { return known.SameNames(town); });
}
