#include "database/Club.h"

#include <algorithm>

#include "core/TextManager.h"
#include "core/TextTools.h"
#include "database/CompleteWorld.h"
#include "database/Person.h"
#include "database/RecordText.h"

namespace {

bool IsLanguage(int language)
{
    return language >= 0 && language < TClub::LanguageCount;
}

// Quotes cannot travel in the quoted lists of the files.
std::u16string WithApostrophes(const char16_t* text)
{
    std::u16string result = MakeRecordText(text ? text : u"");
    for (char16_t& c : result) {
        if (c == u'"') c = u'\'';
    }
    return result;
}

}  // namespace

int TClub::CurrentLanguage() const
{
    return world_ ? world_->GetDatabaseLanguage() : 0;
}

const char16_t* TClub::GetName() const
{
    return GetNameForLanguage(CurrentLanguage());
}

const char16_t* TClub::GetNameForLanguage(int language) const
{
    return IsLanguage(language) ? names_[language] : u"";
}

void TClub::SetNameForLanguage(int language, const char16_t* text)
{
    if (IsLanguage(language)) CopyText(names_[language], WithApostrophes(text));
}

void TClub::SetNameForAllLanguages(const char16_t* text)
{
    for (int language = 0; language < LanguageCount; ++language) SetNameForLanguage(language, text);
}

const char16_t* TClub::GetAbbreviationForLanguage(int language) const
{
    return IsLanguage(language) ? abbreviations_[language] : u"";
}

void TClub::SetAbbreviationForLanguage(int language, const char16_t* text)
{
    if (IsLanguage(language)) SetRecordText(abbreviations_[language], text);
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
    return index >= 0 && index < RivalCount ? rivals_[index] : 0;
}

void TClub::SetRival(int index, TTeamId id)
{
    if (index >= 0 && index < RivalCount) rivals_[index] = id;
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
