#include "database/club/Club.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"
#include "database/world/RecordText.h"
#include "database/world/WorldList.h"

namespace {

// Database languages (German, English, French, Spanish, Italian, Polish)
// in the order of the text languages.
constexpr int TextLanguageOfDatabaseLanguage[TClub::LanguageCount] = {2, 0, 1, 4, 3, 5};
constexpr TextKey GenericStadiumKey = u"Club.GenericStadium"_tk;
// A generic stadium name keeps 28 characters.
constexpr std::size_t GenericStadiumCapacity = 29;

std::atomic<int> nextNewClubNumber{1};

bool IsLanguage(int language)
{
    return language >= 0 && language < TClub::LanguageCount;
}

template <typename T, std::size_t N>
bool IsIndex(const T (&)[N], int index)
{
    return index >= 0 && index < static_cast<int>(N);
}

std::uint32_t Magnitude(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return value < 0 ? 0u - bits : bits;
}

// Quotes cannot travel in the quoted lists of the files.
std::u16string WithApostrophes(const char16_t* text)
{
    std::u16string result = MakeRecordText(text ? text : u"");
    std::replace(result.begin(), result.end(), u'"', u'\'');
    return result;
}

// The towns file separates its fields with '|'.
std::u16string TownText(const char16_t* text)
{
    std::u16string result = WithApostrophes(text);
    std::replace(result.begin(), result.end(), u'|', u'/');
    return result;
}

std::u16string AddressLine(const char16_t* text)
{
    std::u16string_view rest(text ? text : u"");
    std::u16string line;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of(u"\r\n");
        line.append(rest.substr(0, end));
        if (end == std::u16string_view::npos) break;
        rest.remove_prefix(end + (rest.substr(end).starts_with(u"\r\n") ? 2 : 1));
        line.append(u", ");
    }
    return MakeRecordText(line);
}

template <std::size_t N>
void FillEmpty(char16_t (&texts)[TClub::LanguageCount][N], const char16_t* text)
{
    for (auto& entry : texts) {
        if (entry[0] == 0) CopyText(entry, text);
    }
}

}  // namespace

int TClub::CurrentLanguage() const
{
    return world_ ? world_->GetDatabaseLanguage() : 0;
}

TCountry* TClub::GetCountry() const
{
    const int country = GetCountryId();
    if (world_ == nullptr || country < 1 || country > TCompleteWorld::LastCountryId) return nullptr;
    return world_->GetCountry(country);
}

void TClub::InitNewClub(int countryId)
{
    const int number = nextNewClubNumber++;
    SetNameForAllLanguages(Format(u"Club %d", number).c_str());
    id_ = (static_cast<TTeamId>(countryId & 0xFF) << 16) | (static_cast<TTeamId>(number) & 0xFFFF);
    youthNationality_ = static_cast<std::uint8_t>(countryId);
}

void TClub::CopyFrom(const TClub& source)
{
    if (&source == this) return;
    static_cast<TClubFields&>(*this) = static_cast<const TClubFields&>(source);
    DeleteSquadPersons();
    if (world_ == nullptr) return;
    for (int slot = 0; slot < source.GetSquadCount() && squadCount_ < SquadCapacity; ++slot) {
        const TPerson* original = source.GetSquadPerson(slot);
        if (original == nullptr) continue;
        TPerson* copy = world_->CreatePerson(world_->GetFreePersonId(), false);
        copy->CopyFrom(*original);
        AddPlayer(copy);
    }
}

const char16_t* TClub::GetName() const
{
    return GetNameForLanguage(CurrentLanguage());
}

const char16_t* TClub::GetNameForLanguage(int language) const
{
    return IsLanguage(language) ? names_[language] : u"";
}

const char16_t* TClub::GetSecondNameForLanguage(int language) const
{
    return IsLanguage(language) ? secondNames_[language] : u"";
}

void TClub::SetName(const char16_t* text)
{
    SetNameForLanguage(CurrentLanguage(), text);
}

void TClub::SetNameForLanguage(int language, const char16_t* text)
{
    if (!IsLanguage(language)) return;
    const std::u16string name = WithApostrophes(text);
    CopyText(names_[language], name);
    CopyText(secondNames_[language], name);
}

void TClub::SetNameForAllLanguages(const char16_t* text)
{
    for (int language = 0; language < LanguageCount; ++language) SetNameForLanguage(language, text);
}

const char16_t* TClub::GetShortName() const
{
    return GetShortNameForLanguage(CurrentLanguage());
}

const char16_t* TClub::GetShortNameForLanguage(int language) const
{
    return IsLanguage(language) ? shortNames_[language] : u"";
}

const char16_t* TClub::GetSecondShortNameForLanguage(int language) const
{
    return IsLanguage(language) ? secondShortNames_[language] : u"";
}

void TClub::SetShortName(const char16_t* text)
{
    SetShortNameForLanguage(CurrentLanguage(), text);
}

void TClub::SetShortNameForLanguage(int language, const char16_t* text)
{
    if (!IsLanguage(language)) return;
    const std::u16string name = WithApostrophes(text);
    CopyText(shortNames_[language], name);
    CopyText(secondShortNames_[language], name);
    FillEmpty(shortNames_, shortNames_[language]);
    FillEmpty(secondShortNames_, secondShortNames_[language]);
}

const char16_t* TClub::GetAbbreviation() const
{
    return GetAbbreviationForLanguage(CurrentLanguage());
}

const char16_t* TClub::GetAbbreviationForLanguage(int language) const
{
    return IsLanguage(language) ? abbreviations_[language] : u"";
}

void TClub::SetAbbreviation(const char16_t* text)
{
    SetAbbreviationForLanguage(CurrentLanguage(), text);
}

void TClub::SetAbbreviationForLanguage(int language, const char16_t* text)
{
    if (!IsLanguage(language)) return;
    CopyText(abbreviations_[language], WithApostrophes(text));
    FillEmpty(abbreviations_, abbreviations_[language]);
}

const char16_t* TClub::GetTown() const
{
    return GetTownForLanguage(CurrentLanguage());
}

const char16_t* TClub::GetTownForLanguage(int language) const
{
    return IsLanguage(language) ? towns_[language] : u"";
}

void TClub::SetTownForLanguage(int language, const char16_t* text)
{
    if (IsLanguage(language)) CopyText(towns_[language], TownText(text));
}

void TClub::SetTown(const char16_t* text)
{
    const int language = CurrentLanguage();
    SetTownForLanguage(language, text);
    FillEmpty(towns_, towns_[language]);
    if (stadiumCapacity_ != 0) return;
    FillGenericStadiumNames(true);
    stadiumCapacity_ = 1000;
}

void TClub::FillGenericStadiumNames(bool onlyEmpty)
{
    for (int language = 0; language < LanguageCount; ++language) {
        if (onlyEmpty && stadiumNames_[language][0] != 0) continue;
        CopyText(stadiumNames_[language], GenericStadiumName(language, towns_[language]).c_str(),
                 GenericStadiumCapacity);
    }
}

bool TClub::HasGenericStadiumText(int language)
{
    return IsLanguage(language) &&
           CTextManager::Instance()->HasTextInLanguage(GenericStadiumKey, TextLanguageOfDatabaseLanguage[language]);
}

std::u16string TClub::GenericStadiumName(int language, std::u16string_view town)
{
    if (!IsLanguage(language)) return {};
    const char16_t* pattern =
        CTextManager::Instance()->GetTextInLanguage(GenericStadiumKey, TextLanguageOfDatabaseLanguage[language]);
    const std::u16string name = WithApostrophes(ReplaceTokens(pattern, {{u"_TOWN", town}}).c_str());
    return name.substr(0, std::min(name.size(), GenericStadiumCapacity - 1));
}

const char16_t* TClub::GetStadiumName() const
{
    return GetStadiumNameForLanguage(CurrentLanguage());
}

const char16_t* TClub::GetStadiumNameForLanguage(int language) const
{
    return IsLanguage(language) ? stadiumNames_[language] : u"";
}

void TClub::SetStadiumNameForLanguage(int language, const char16_t* text)
{
    if (IsLanguage(language)) CopyText(stadiumNames_[language], WithApostrophes(text));
}

void TClub::CopyNamesOfLanguage(int from, int to)
{
    if (!IsLanguage(from) || !IsLanguage(to) || from == to) return;
    CopyText(names_[to], names_[from]);
    CopyText(secondNames_[to], secondNames_[from]);
    CopyText(shortNames_[to], shortNames_[from]);
    CopyText(secondShortNames_[to], secondShortNames_[from]);
    CopyText(abbreviations_[to], abbreviations_[from]);
}

void TClub::SetAddress(const char16_t* text)
{
    CopyText(address_, AddressLine(text));
}

void TClub::SetTelephone(const char16_t* text)
{
    SetRecordText(telephone_, text);
}

void TClub::SetWebsite(const char16_t* text)
{
    SetRecordText(website_, text);
}

void TClub::SetFansites(const char16_t* text)
{
    SetRecordText(fansites_, text);
}

void TClub::SetFanName1(const char16_t* text)
{
    SetRecordText(fanName1_, text);
}

void TClub::SetFanName2(const char16_t* text)
{
    SetRecordText(fanName2_, text);
}

void TClub::SetMascot(const char16_t* text)
{
    SetRecordText(mascot_, text);
}

void TClub::SetExtraText(const char16_t* text)
{
    SetRecordText(extraText_, text);
}

void TClub::SetExtraString(std::u16string_view text)
{
    extraString_ = MakeRecordText(text);
}

const std::u16string& TClub::GetHistoryText(int index) const
{
    static const std::u16string empty;
    return IsIndex(historyTexts_, index) ? historyTexts_[index] : empty;
}

void TClub::SetHistoryText(int index, std::u16string_view text)
{
    if (IsIndex(historyTexts_, index)) historyTexts_[index] = MakeRecordText(text);
}

std::uint8_t TClub::GetArticle(int language, int form) const
{
    return IsLanguage(language) && form >= 0 && form < NameForms ? nameArticles_[form * LanguageCount + language] : 0;
}

void TClub::SetArticle(int language, int form, std::uint8_t value)
{
    if (IsLanguage(language) && form >= 0 && form < NameForms) nameArticles_[form * LanguageCount + language] = value;
}

std::uint8_t TClub::GetPhraseUsageForLanguage(int language) const
{
    return IsLanguage(language) ? phraseUsage_[language] : 0;
}

std::uint8_t TClub::GetSecondPhraseUsageForLanguage(int language) const
{
    return IsLanguage(language) ? secondPhraseUsage_[language] : 0;
}

void TClub::SetPhraseUsage(int language, std::uint8_t value)
{
    if (!IsLanguage(language)) return;
    phraseUsage_[language] = value;
    secondPhraseUsage_[language] = value;
}

void TClub::SetInitialCapital(std::int32_t capital)
{
    initialCapital_ = capital;
    capitalHalf_ = capital < 1 ? 0 : capital / 2;
}

void TClub::SetGameStartPoints(std::int8_t points)
{
    gameStartPoints_ = points;
    gameStartFlags_ = static_cast<std::uint8_t>(points != 0 ? gameStartFlags_ | 3 : gameStartFlags_ & ~3);
}

std::uint32_t TClub::GetClubValue(int index) const
{
    return IsIndex(clubValues_, index) ? clubValues_[index] : 0;
}

void TClub::SetClubValue(int index, std::uint32_t value)
{
    if (IsIndex(clubValues_, index)) clubValues_[index] = value;
}

std::uint16_t TClub::GetLeagueStat(int index) const
{
    return IsIndex(leagueStats_, index) ? leagueStats_[index] : 0;
}

void TClub::SetLeagueStat(int index, std::uint16_t value)
{
    if (IsIndex(leagueStats_, index)) leagueStats_[index] = value;
}

void TClub::GetLeagueStats(int set, std::uint16_t& a, std::uint16_t& b, std::uint16_t& c) const
{
    a = b = c = 0;
    if (set != 0 && set != 1) return;
    a = leagueStats_[2 + set];
    b = leagueStats_[4 + set];
    c = leagueStats_[6 + set];
}

void TClub::SetLeagueStats(int set, std::uint16_t a, std::uint16_t b, std::uint16_t c)
{
    if (set != 0 && set != 1) return;
    leagueStats_[2 + set] = a;
    leagueStats_[4 + set] = b;
    leagueStats_[6 + set] = c;
}

const TClubRecord& TClub::GetRecord(int index) const
{
    return records_[IsIndex(records_, index) ? index : 0];
}

TClubRecord& TClub::GetRecord(int index)
{
    return records_[IsIndex(records_, index) ? index : 0];
}

std::uint8_t TClub::GetTransferSetting(int index) const
{
    return IsIndex(transferSettings_, index) ? transferSettings_[index] : 0;
}

void TClub::SetTransferSetting(int index, std::uint8_t value)
{
    if (IsIndex(transferSettings_, index)) transferSettings_[index] = value;
}

std::uint32_t TClub::GetLowestLeague(int index) const
{
    return lowestLeagues_[IsIndex(lowestLeagues_, index) ? index : 0];
}

void TClub::SetLowestLeague(int index, std::uint32_t value)
{
    if (IsIndex(lowestLeagues_, index)) lowestLeagues_[index] = value;
}

void TClub::SetBadgePath(const char16_t* text)
{
    SetRecordText(badgePath_, text);
}

std::uint8_t TClub::GetBadgeParam(int index) const
{
    return IsIndex(badgeParams_, index) ? badgeParams_[index] : 0;
}

void TClub::SetBadgeParam(int index, std::uint8_t value)
{
    if (IsIndex(badgeParams_, index)) badgeParams_[index] = value;
}

void TClub::SetGroundFlag(std::uint8_t mask, bool on)
{
    groundFlags_ = static_cast<std::uint8_t>(on ? groundFlags_ | mask : groundFlags_ & ~mask);
}

int TClub::Degrees(std::int32_t value)
{
    return static_cast<int>(Magnitude(value) >> 16);
}

int TClub::Minutes(std::int32_t value)
{
    return static_cast<int>(Magnitude(value) & 0xFFFF);
}

void TClub::SetLongitude(bool west, int degrees, int minutes)
{
    degrees = std::clamp(degrees, 0, 180);
    minutes = degrees == 180 ? 0 : std::clamp(minutes, 0, 59);
    if (west && degrees == 180) degrees = 179;
    const std::int32_t value = (degrees << 16) | minutes;
    longitude_ = west ? -value : value;
}

void TClub::SetLatitude(bool south, int degrees, int minutes)
{
    degrees = std::clamp(degrees, 0, 90);
    minutes = degrees == 90 ? 0 : std::clamp(minutes, 0, 59);
    const std::int32_t value = (degrees << 16) | minutes;
    latitude_ = south ? -value : value;
}

const char16_t* TClub::GetReserveName() const
{
    return GetReserveNameForLanguage(CurrentLanguage());
}

const char16_t* TClub::GetReserveNameForLanguage(int language) const
{
    thread_local char16_t buffers[4][ReserveNameCapacity];
    thread_local int next = 0;
    char16_t* buffer = buffers[next];
    next = (next + 1) % 4;
    if (id_ == 0x2D000E) {
        CopyText(buffer, u"R.M. Castilla", ReserveNameCapacity);
        return buffer;
    }
    std::u16string_view pattern;
    switch (GetCountryId()) {
    case 14: pattern = u"_CLUB_NAME (RES)"; break;
    case 21: pattern = u"_CLUB_NAME 2"; break;
    case 45: pattern = u"_CLUB_NAME (B)"; break;
    default: pattern = CTextManager::Instance()->GetText(u"Club.ReserveFormat"_tk); break;
    }
    CopyText(buffer, ReplaceTokens(pattern, {{u"_CLUB_NAME", GetNameForLanguage(language)}}), ReserveNameCapacity);
    return buffer;
}

void TClub::SetSeasonFlag(int bit, bool on)
{
    const auto mask = static_cast<std::uint16_t>(1u << bit);
    seasonFlags_ = on ? static_cast<std::uint16_t>(seasonFlags_ | mask) : static_cast<std::uint16_t>(seasonFlags_ & ~mask);
}

void TClub::SetPromoted(bool first, bool on)
{
    SetSeasonFlag(first ? 0 : 1, on);
    if (on) SetSeasonFlag(first ? 2 : 3, false);
}

void TClub::SetRelegated(bool first, bool on)
{
    SetSeasonFlag(first ? 2 : 3, on);
    if (on) SetSeasonFlag(first ? 0 : 1, false);
}

void TClub::SetCupWinner(bool first, bool on)
{
    SetSeasonFlag(first ? 4 : 5, on);
    if (on) {
        SetSeasonFlag(first ? 6 : 7, false);
        SetSeasonFlag(first ? 5 : 4, false);
    }
}

void TClub::SetCupFinalist(bool first, bool on)
{
    SetSeasonFlag(first ? 6 : 7, on);
    if (on) {
        SetSeasonFlag(first ? 4 : 5, false);
        SetSeasonFlag(first ? 7 : 6, false);
    }
}

TTeamId TClub::GetRival(int index) const
{
    return IsIndex(rivals_, index) ? rivals_[index] : 0;
}

void TClub::SetRival(int index, TTeamId id)
{
    if (IsIndex(rivals_, index)) rivals_[index] = id;
}

TPerson* TClub::GetSquadPerson(int slot) const
{
    if (slot < 0 || slot >= squadCount_ || squad_[slot] == 0 || world_ == nullptr) return nullptr;
    return world_->GetPerson(squad_[slot]);
}

TPerson* TClub::FindPlayer(std::uint32_t personId) const
{
    const auto* end = squad_ + squadCount_;
    if (personId == 0 || world_ == nullptr || std::find(squad_, end, personId) == end) return nullptr;
    return world_->GetPerson(personId);
}

bool TClub::AddPlayer(const TPerson* person)
{
    if (person == nullptr || squadCount_ >= SquadCapacity) return false;
    // A person listed twice would be written twice and come back as two.
    if (std::find(squad_, squad_ + squadCount_, person->GetId()) != squad_ + squadCount_) return false;
    squad_[squadCount_++] = person->GetId();
    return true;
}

bool TClub::RemovePlayer(const TPerson* person)
{
    if (person == nullptr) return false;
    auto* end = squad_ + squadCount_;
    auto* found = std::find(squad_, end, person->GetId());
    if (found == end) return false;
    std::copy(found + 1, end, found);
    squad_[--squadCount_] = 0;
    return true;
}

void TClub::ClearSquad()
{
    std::fill(squad_, squad_ + SquadCapacity, 0u);
    squadCount_ = 0;
}

void TClub::DeleteSquadPersons()
{
    for (int slot = 0; world_ != nullptr && slot < squadCount_; ++slot) world_->DeletePerson(GetSquadPerson(slot));
    ClearSquad();
}

int TClub::CountPersonsOfType(int type) const
{
    int count = 0;
    for (int slot = 0; slot < squadCount_; ++slot) {
        const TPerson* person = GetSquadPerson(slot);
        if (person != nullptr && person->GetType() == type) ++count;
    }
    return count;
}

void TClub::GetKitFileName(bool home, char* buffer, std::size_t size) const
{
    if (buffer == nullptr || size < 1) return;
    std::snprintf(buffer, size, "user\\kits\\%08X_%c.tga", static_cast<unsigned>(uniqueId_), home ? 'h' : 'a');
}

std::uint8_t TClub::GetColourGroup(int colour)
{
    static constexpr std::uint8_t Groups[64] = {
        0,  6,  6,  9,  3, 4,  2,  1,  7,  5,  8,  11, 10, 7,  7,  6,  6,  6,  8,  3,  2,  9,
        9,  9,  9,  8,  11, 11, 11, 4, 4, 4,  4,  4,  2,  2,  2,  2,  2,  2,  2,  5,  5,  5,
        1,  1,  1,  1,  1,  1,  1,  1,  1,  7,  7,  7,  7,  7,  7,  8,  8,  6,  6,  6};
    return colour >= 0 && colour < 64 ? Groups[colour] : 255;
}

std::u16string GetClubDisplayName(TTeamId id)
{
    if (id == 0) return CTextManager::Instance()->GetText(u"Common.NotAvailable"_tk);
    const TCompleteWorld* world = GetWorld();
    const TClub* club = world ? world->GetClub(id) : nullptr;
    if (club == nullptr) return u"";
    return (id & ReserveTeamBit) ? club->GetReserveName() : club->GetName();
}
