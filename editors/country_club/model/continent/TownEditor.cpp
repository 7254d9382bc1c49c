#include "editors/country_club/model/continent/TownEditor.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/text/TextTools.h"

namespace {

constexpr int MinutesPerDegree = 60;
constexpr int Languages = 6;

struct Angle {
    bool negative = false;
    int degrees = 0;
    int minutes = 0;
};

Angle ToAngle(std::int32_t value, int maxDegrees)
{
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(value));
    const int degrees = static_cast<int>(std::min<std::int64_t>(magnitude / MinutesPerDegree, maxDegrees));
    const int minutes = degrees == maxDegrees ? 0 : static_cast<int>(magnitude % MinutesPerDegree);
    return {value < 0, degrees, minutes};
}

std::int32_t FromAngle(bool negative, int degrees, int minutes, int maxDegrees)
{
    degrees = std::clamp(degrees, 0, maxDegrees);
    minutes = degrees == maxDegrees ? 0 : std::clamp(minutes, 0, MinutesPerDegree - 1);
    const std::int32_t value = degrees * MinutesPerDegree + minutes;
    return negative ? -value : value;
}

bool ValidLanguage(int language)
{
    return language >= 0 && language < Languages;
}

int Bounded(std::uint8_t index, int count)
{
    return index < count ? index : 0;
}

}  // namespace

bool TownControls::SamePosition(const TownControls& other) const
{
    return hasPosition == other.hasPosition && south == other.south && latitudeDegrees == other.latitudeDegrees &&
           latitudeMinutes == other.latitudeMinutes && west == other.west &&
           longitudeDegrees == other.longitudeDegrees && longitudeMinutes == other.longitudeMinutes;
}

void TownEditor::SetCountry(int country)
{
    country_ = country;
    current_ = -1;
}

void TownEditor::SelectTown(int index)
{
    current_ = index >= 0 && index < list_.GetTownCount(country_) ? index : -1;
}

TownControls TownEditor::ToControls(const TTown& town)
{
    TownControls controls;
    controls.townName = town.Name;
    controls.clubName = town.SecondName;
    controls.shortName = town.Text1;
    controls.abbreviation = town.Text2;
    controls.colour = town.Number;
    controls.hasPosition = town.Value1 != 0 || town.Value2 != 0;
    if (!controls.hasPosition) return controls;
    const Angle latitude = ToAngle(town.Value2, MaxLatitude);
    const Angle longitude = ToAngle(town.Value1, MaxLongitude);
    controls.south = latitude.negative;
    controls.latitudeDegrees = latitude.degrees;
    controls.latitudeMinutes = latitude.minutes;
    controls.west = longitude.negative;
    controls.longitudeDegrees = longitude.degrees;
    controls.longitudeMinutes = longitude.minutes;
    return controls;
}

TTown TownEditor::FromControls(const TownControls& controls, const TTown& stored)
{
    TTown town = stored;
    CopyText(town.Name, controls.townName);
    CopyText(town.SecondName, controls.clubName);
    CopyText(town.Text1, controls.shortName);
    CopyText(town.Text2, controls.abbreviation);
    if (controls.colour) town.Number = *controls.colour;
    if (controls.SamePosition(ToControls(stored))) return town;
    if (!controls.hasPosition) {
        town.Value1 = 0;
        town.Value2 = 0;
        return town;
    }
    town.Value2 = FromAngle(controls.south, controls.latitudeDegrees, controls.latitudeMinutes, MaxLatitude);
    town.Value1 = FromAngle(controls.west, controls.longitudeDegrees, controls.longitudeMinutes, MaxLongitude);
    return town;
}

TownEditor::StoreResult TownEditor::Store(const TownControls& controls)
{
    if (current_ < 0) return StoreResult::NoTown;
    const TTown town = FromControls(controls, GetCurrent());
    for (int index = 0; index < list_.GetTownCount(country_); ++index) {
        if (index != current_ && list_.GetTown(country_, index).SameNames(town)) return StoreResult::Duplicate;
    }
    list_.SetTown(country_, current_, town);
    return StoreResult::Stored;
}

int TownEditor::ArticleIndex(const TTown& town, int language, int articleCount)
{
    return ValidLanguage(language) ? Bounded(town.Digits1[language], articleCount) : 0;
}

int TownEditor::PhraseIndex(const TTown& town, int language, int phraseCount)
{
    return ValidLanguage(language) ? Bounded(town.Digits2[language], phraseCount) : 0;
}

void TownEditor::AdvanceArticle(int language, int articleCount)
{
    if (current_ < 0 || !ValidLanguage(language) || articleCount <= 0) return;
    TTown town = GetCurrent();
    town.Digits1[language] = static_cast<std::uint8_t>((ArticleIndex(town, language, articleCount) + 1) % articleCount);
    list_.SetTown(country_, current_, town);
}

void TownEditor::AdvancePhrase(int language, int phraseCount)
{
    if (current_ < 0 || !ValidLanguage(language) || phraseCount <= 0) return;
    TTown town = GetCurrent();
    town.Digits2[language] = static_cast<std::uint8_t>((PhraseIndex(town, language, phraseCount) + 1) % phraseCount);
    list_.SetTown(country_, current_, town);
}

int TownEditor::AddTown()
{
    if (!list_.AddTown(country_, TTown{})) return -1;
    current_ = list_.GetTownCount(country_) - 1;
    return current_;
}

bool TownEditor::RemoveCurrentTown()
{
    if (current_ < 0 || !list_.RemoveTown(country_, current_)) return false;
    current_ = -1;
    return true;
}

bool TownEditor::Load(std::u16string_view path)
{
    TTownList loaded;
    if (!loaded.Load(path)) return false;
    list_ = std::move(loaded);
    current_ = -1;
    return true;
}

void TownEditor::Open(std::u16string_view defaultPath)
{
    defaultPath_ = defaultPath;
    if (!Load(defaultPath)) list_.Clear();
}

bool TownEditor::Save()
{
    return list_.SaveAs(list_.GetPath().empty() ? std::u16string_view(defaultPath_) : std::u16string_view(list_.GetPath()));
}

bool TownEditor::Merge(std::u16string_view path)
{
    TTownList other;
    if (!other.Load(path)) return false;
    for (int country = TTownList::FirstCountry; country <= TTownList::LastCountry; ++country) {
        for (int index = 0; index < other.GetTownCount(country); ++index) {
            const TTown& town = other.GetTown(country, index);
            if (!list_.Contains(country, town)) list_.AddTown(country, town);
        }
    }
    return true;
}

TownEditor::Settled TownEditor::Settle(Answer answer)
{
    if (!HasChanges()) return Settled::Proceed;
    switch (answer) {
    case Answer::Yes:
        return Save() ? Settled::Proceed : Settled::WriteFailed;
    case Answer::No:
        return Settled::Proceed;
    case Answer::Cancel:
    default:
        return Settled::Stay;
    }
}
