#include "database/country/Country.h"

#include <algorithm>

#include "core/Random.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/world/RecordText.h"

namespace {

bool IsLanguage(int language)
{
    return language >= 0 && language < TCountry::LanguageCount;
}

bool IsLevel(int level)
{
    return level >= 0 && level < TCountry::LevelCount;
}

bool IsSlot(int slot)
{
    return slot >= 0 && slot < TCountry::LanguageSlots;
}

// The text store's column of a database language (German, English, French,
// Spanish, Italian, Polish).
int TextLanguageOf(int databaseLanguage)
{
    static constexpr int Columns[TCountry::LanguageCount] = {CTextManager::German,  CTextManager::English,
                                                             CTextManager::French,  CTextManager::Spanish,
                                                             CTextManager::Italian, CTextManager::Polish};
    return Columns[databaseLanguage];
}

}  // namespace

TCountry::TCountry()
{
    FillLevelNamesFromKeys();
}

TCountry::~TCountry() = default;

void TCountry::Reset()
{
    static_cast<TCountryFields&>(*this) = TCountryFields();
    referees_.Clear();
    sponsors_.Clear();
    stadiums_.Clear();
    manager_ = TManager();
    additionalManagers_.clear();
    pendingManagers_.clear();
    pool_.clear();
    clubOrder_.clear();
    clubs_.clear();
    staged_ = TStagedCompetitions();
    fileDamage_.Clear();
    highestFileClubNumber_ = 0;
    nextUniqueClubId_ = (static_cast<std::uint32_t>(id_) << 16) + 1;
    FillLevelNamesFromKeys();
}

TCompetitionRegistry& TCountry::GetCompetitionRegistry()
{
    if (world_ != nullptr) return world_->GetCompetitions();
    if (!ownCompetitions_) ownCompetitions_ = std::make_unique<TCompetitionRegistry>();
    return *ownCompetitions_;
}

void TCountry::SetId(std::int32_t id)
{
    id_ = id;
    nextUniqueClubId_ = (static_cast<std::uint32_t>(id) << 16) + 1;
}

const char16_t* TCountry::DivisionDefaultName(int level, int language)
{
    static constexpr TextKey DivisionKeys[] = {u"Database.Division.01"_tk, u"Database.Division.02"_tk,
                                               u"Database.Division.03"_tk, u"Database.Division.04"_tk,
                                               u"Database.Division.05"_tk};
    if (level < 0 || level >= static_cast<int>(std::size(DivisionKeys)) || !IsLanguage(language)) return nullptr;
    return CTextManager::Instance()->GetTextInLanguage(DivisionKeys[level], TextLanguageOf(language));
}

void TCountry::FillLevelNamesFromKeys()
{
    for (int level = 0; DivisionDefaultName(level, 0) != nullptr; ++level) {
        for (int language = 0; language < LanguageCount; ++language) {
            CopyText(levelNames_[level][language], DivisionDefaultName(level, language));
        }
    }
}

int TCountry::CurrentLanguage() const
{
    return world_ ? world_->GetDatabaseLanguage() : 0;
}

void TCountry::SetBit(std::uint8_t& byte, int bit, bool on)
{
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

const char16_t* TCountry::GetName() const
{
    return GetNameInLanguage(CurrentLanguage());
}

const char16_t* TCountry::GetAbbreviation() const
{
    return GetAbbreviationInLanguage(CurrentLanguage());
}

const char16_t* TCountry::GetNameInLanguage(int language) const
{
    return IsLanguage(language) ? names_[language] : u"";
}

const char16_t* TCountry::GetAbbreviationInLanguage(int language) const
{
    return IsLanguage(language) ? abbreviations_[language] : u"";
}

void TCountry::SetNameInLanguage(int language, const char16_t* text)
{
    if (IsLanguage(language)) SetRecordText(names_[language], text);
}

void TCountry::SetAbbreviationInLanguage(int language, const char16_t* text)
{
    if (IsLanguage(language)) SetRecordText(abbreviations_[language], text);
}

std::uint8_t TCountry::GetLanguageByte(int language) const
{
    return IsLanguage(language) ? languageBytes_[language] : 0;
}

void TCountry::SetLanguageByte(int language, std::uint8_t value)
{
    if (IsLanguage(language)) languageBytes_[language] = value;
}

std::uint8_t TCountry::GetLanguage(int slot) const
{
    return IsSlot(slot) ? languages_[slot] : 0;
}

void TCountry::SetLanguage(int slot, std::uint8_t language)
{
    if (IsSlot(slot)) languages_[slot] = language;
}

std::uint8_t TCountry::GetLanguageShare(int slot) const
{
    return IsSlot(slot) ? languageShares_[slot] : 0;
}

void TCountry::SetLanguageShare(int slot, std::uint8_t share)
{
    if (IsSlot(slot)) languageShares_[slot] = share;
}

void TCountry::NormaliseLanguages()
{
    int slot = 0;
    while (slot < LanguageSlots) {
        bool repeated = false;
        for (int earlier = 0; earlier < slot; ++earlier) repeated |= languages_[earlier] == languages_[slot];
        const bool remove = languages_[slot] == 0 || repeated;
        if (!remove) {
            ++slot;
            continue;
        }
        // Nothing but empty slots may follow: the walk is done.
        bool anyLater = false;
        for (int later = slot + 1; later < LanguageSlots; ++later) anyLater |= languages_[later] != 0;
        for (int later = slot; later + 1 < LanguageSlots; ++later) {
            languages_[later] = languages_[later + 1];
            languageShares_[later] = languageShares_[later + 1];
        }
        languages_[LanguageSlots - 1] = 0;
        languageShares_[LanguageSlots - 1] = 0;
        if (!anyLater) break;
    }
    if (languages_[0] == 0) languages_[0] = mainLanguage_;
    int total = 0;
    for (std::uint8_t share : languageShares_) total += share;
    if (total <= 100) {
        languageShares_[0] = static_cast<std::uint8_t>(languageShares_[0] + (100 - total));
        return;
    }
    int excess = total - 100;
    for (int index = LanguageSlots - 1; index >= 0 && excess > 0; --index) {
        if (languageShares_[index] > excess) {
            languageShares_[index] = static_cast<std::uint8_t>(languageShares_[index] - excess);
            break;
        }
        excess -= languageShares_[index];
        languageShares_[index] = 0;
    }
}

void TCountry::SetAverageRating(std::uint8_t rating)
{
    averageRating_ = rating;
    leagueRatings_[0] = rating;
    for (std::uint8_t& levelRating : leagueRatings_) {
        if (levelRating > rating) levelRating = rating;
    }
}

std::uint8_t TCountry::GetLeagueRating(int level) const
{
    return IsLevel(level) ? leagueRatings_[level] : 0;
}

void TCountry::SetLeagueRating(int level, std::uint8_t rating)
{
    if (!IsLevel(level)) return;
    leagueRatings_[level] = rating;
    if (level == 0) averageRating_ = rating;
}

TCountry::TRatingBlock TCountry::GetRatingBlock() const
{
    TRatingBlock bytes{};
    auto out = std::copy_n(leagueRatings_, RatingBlockLevels, bytes.begin());
    *out++ = continentByte_;
    out = std::copy_n(relegationRules_, RatingBlockLevels, out);
    for (std::uint8_t field : {leagueYellowRule_, cupYellowRule_, redCardBan_, redCardRule_, banScope_,
                               yellowRedBanLeagues_, optionBits_, invertedOption_, cupOptions_,
                               foreignTransferProbability_}) {
        *out++ = field;
    }
    return bytes;
}

void TCountry::SetRatingBlock(const TRatingBlock& bytes)
{
    auto in = bytes.begin();
    SetLeagueRating(0, *in++);
    for (int level = 1; level < RatingBlockLevels; ++level) leagueRatings_[level] = *in++;
    continentByte_ = *in++;
    for (int level = 0; level < RatingBlockLevels; ++level) relegationRules_[level] = *in++;
    for (std::uint8_t* field : {&leagueYellowRule_, &cupYellowRule_, &redCardBan_, &redCardRule_, &banScope_,
                                &yellowRedBanLeagues_, &optionBits_, &invertedOption_, &cupOptions_,
                                &foreignTransferProbability_}) {
        *field = *in++;
    }
}

void TCountry::FillLeagueRatingsFrom(int firstLevel)
{
    for (int level = std::max(firstLevel, 1); level < LevelCount; ++level) {
        leagueRatings_[level] = static_cast<std::uint8_t>(leagueRatings_[level - 1] * 85 / 100);
    }
}

std::uint8_t TCountry::GetLevelSortRule(int level) const
{
    return IsLevel(level) ? tieBreakRules_[level] : 0;
}

void TCountry::SetLevelSortRule(int level, std::uint8_t rule)
{
    if (IsLevel(level)) tieBreakRules_[level] = rule;
}

std::uint8_t TCountry::GetLevelForeignerRule(int level) const
{
    return IsLevel(level) ? foreignerRules_[level] : 0;
}

void TCountry::SetLevelForeignerRule(int level, std::uint8_t rule)
{
    if (IsLevel(level)) foreignerRules_[level] = rule;
}

std::uint8_t TCountry::GetLevelRelegationRule(int level) const
{
    return IsLevel(level) ? relegationRules_[level] : 0;
}

void TCountry::SetLevelRelegationRule(int level, std::uint8_t rule)
{
    if (IsLevel(level)) relegationRules_[level] = rule;
}

const char16_t* TCountry::GetLeagueLevelName(int level) const
{
    return GetLeagueLevelNameInLanguage(CurrentLanguage(), level);
}

const char16_t* TCountry::GetLeagueLevelNameInLanguage(int language, int level) const
{
    return IsLanguage(language) && IsLevel(level) ? levelNames_[level][language] : u"";
}

void TCountry::SetLeagueLevelName(int language, int level, const char16_t* text)
{
    if (IsLanguage(language) && IsLevel(level)) SetRecordText(levelNames_[level][language], text);
}

void TCountry::SetReserveTeamsAllowed(int level, bool allowed)
{
    if (allowed && level < firstReserveTeamLevel_) {
        firstReserveTeamLevel_ = static_cast<std::uint8_t>(level);
    } else if (!allowed && level == firstReserveTeamLevel_) {
        firstReserveTeamLevel_ = static_cast<std::uint8_t>(level + 1);
    }
}

std::uint8_t TCountry::GetLeagueCupType(int index) const
{
    return index >= 0 && index < 4 ? static_cast<std::uint8_t>(leagueCupTypes_ >> (8 * index)) : 0;
}

void TCountry::SetFederationName(const char16_t* text)
{
    SetRecordText(federationName_, text);
}

void TCountry::SetLongText(const char16_t* text)
{
    SetRecordText(longText_, text);
}

void TCountry::SetPersonFirstName(const char16_t* text)
{
    SetRecordText(personFirstName_, text);
}

void TCountry::SetPersonLastName(const char16_t* text)
{
    SetRecordText(personLastName_, text);
}

void TCountry::SetFlag(int index, bool on)
{
    if (index < 0 || index >= 32) return;
    const std::uint32_t mask = 1u << index;
    flags_ = on ? (flags_ | mask) : (flags_ & ~mask);
}

std::uint16_t TCountry::GetYearCoefficient(int year) const
{
    return year >= 1 && year <= YearCount ? yearCoefficients_[YearCount - year] : 0;
}

void TCountry::SetYearCoefficient(int year, std::uint16_t value)
{
    if (year >= 1 && year <= YearCount) yearCoefficients_[YearCount - year] = value;
}

void TCountry::SetHairstyleMask(const std::uint32_t mask[2])
{
    std::copy(mask, mask + 2, hairstyleMask_);
}

void TCountry::SetFaceMask(const std::uint32_t mask[4])
{
    std::copy(mask, mask + 4, faceMask_);
}

TPoolPlayer* TCountry::GetPoolPlayer(int index)
{
    if (index < 0 || index >= GetPoolPlayerCount()) return nullptr;
    return &pool_[static_cast<std::size_t>(index)];
}

void TCountry::ResizePool(int count)
{
    if (count > GetPoolPlayerCount()) pool_.resize(static_cast<std::size_t>(count));
}

int RandomMaskBit(std::uint32_t mask)
{
    return RandomMaskBitMulti(&mask, 1);
}

int RandomMaskBitMulti(const std::uint32_t* words, int wordCount)
{
    int setBits[32 * 4];
    int count = 0;
    for (int word = 0; word < wordCount && word < 4; ++word) {
        for (int bit = 0; bit < 32; ++bit) {
            if ((words[word] >> bit) & 1) setBits[count++] = 32 * word + bit;
        }
    }
    if (count == 0) return 0;
    // rand() reaches 32767, which would index one past the list.
    const int drawn = std::min(CrtRand() * count / CrtRandMax, count - 1);
    return setBits[drawn];
}
