#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/country/CountryCompetitions.h"

int TCountry::GetClubCountWithoutNationalTeam() const
{
    return GetNationalTeam() ? GetClubCount() - 1 : GetClubCount();
}

TClub* TCountry::GetClubByIndex(int index) const
{
    return index >= 0 && index < GetClubCount() ? clubOrder_[static_cast<std::size_t>(index)] : nullptr;
}

TClub* TCountry::GetClubByUniqueId(TTeamId id) const
{
    const auto found = clubs_.find(WithoutReserveBit(id));
    return found == clubs_.end() ? nullptr : found->second.get();
}

std::u16string TCountry::GetTeamNameByUniqueId(TTeamId id) const
{
    const TClub* club = GetClubByUniqueId(id);
    if (club == nullptr) return TeamCountry(id) != 0 ? u"(n/a)" : u"";
    return (id & ReserveTeamBit) ? club->GetReserveName() : club->GetName();
}

TTeamId TCountry::AddClub(std::unique_ptr<TClub> club)
{
    const TTeamId base = static_cast<TTeamId>(id_) << 16;
    TTeamId index = IsDamaged() ? highestFileClubNumber_ + 1 : 1;
    while (clubs_.count(base + index) != 0) ++index;
    if (index >= NationalTeamIndex) return 0;
    return AddClubWithIndex(std::move(club), index);
}

TTeamId TCountry::AddClubWithIndex(std::unique_ptr<TClub> club, std::uint32_t index)
{
    const TTeamId id = (static_cast<TTeamId>(id_) << 16) + (index & 0xFFFF);
    if (clubs_.count(id) != 0) return 0;
    club->SetWorld(world_);
    club->SetId(id);
    clubOrder_.push_back(club.get());
    clubs_[id] = std::move(club);
    return id;
}

TTeamId TCountry::CreateClub(const char16_t* name)
{
    if (GetClubCountWithoutNationalTeam() >= MaxClubs) return 0;
    auto club = std::make_unique<TClub>(TakeNextUniqueClubId());
    club->SetNameForAllLanguages(name);
    club->SetCreatedInEditor(true);
    return AddClub(std::move(club));
}

void TCountry::CreateNationalTeam()
{
    const TTeamId id = (static_cast<TTeamId>(id_) << 16) | NationalTeamIndex;
    auto club = std::make_unique<TClub>(id);
    for (int language = 0; language < LanguageCount; ++language) {
        club->SetNameForLanguage(language, names_[language]);
        club->SetAbbreviationForLanguage(language, abbreviations_[language]);
    }
    AddClubWithIndex(std::move(club), NationalTeamIndex);
}

bool TCountry::RemoveClub(TClub* club, bool clearReferences, bool deletePersons)
{
    if (club == nullptr) return false;
    const auto found = clubs_.find(club->GetId());
    if (found == clubs_.end() || found->second.get() != club) return false;
    if (clearReferences) ClearClubReferences(club->GetId());
    if (deletePersons) DeleteSquadPersons(*club);
    std::erase(clubOrder_, club);
    clubs_.erase(found);
    return true;
}

void TCountry::DeleteSquadPersons(const TClub& club)
{
    if (world_ == nullptr) return;
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) world_->DeletePerson(club.GetSquadPerson(slot));
}

void TCountry::ClearClubReferences(TTeamId id)
{
    const TTeamId target = WithoutReserveBit(id);
    for (TClub* club : clubOrder_) {
        if (WithoutReserveBit(club->GetPartnerClub()) == target) club->SetPartnerClub(0);
        for (int rival = 0; rival < TClub::RivalCount; ++rival) {
            if (WithoutReserveBit(club->GetRival(rival)) == target) club->SetRival(rival, 0);
        }
    }
    if (world_ != nullptr) RemoveTeamFromLeagues(world_->GetCompetitions(), static_cast<std::uint32_t>(id_), target);
}

void TCountry::SetCupWinner(TTeamId id)
{
    for (TClub* club : clubOrder_) {
        club->SetCupWinner(true, false);
        club->SetCupWinner(false, false);
    }
    if (TClub* club = GetClubByUniqueId(id)) club->SetCupWinner((id & ReserveTeamBit) == 0, true);
}

void TCountry::SetCupFinalist(TTeamId id)
{
    for (TClub* club : clubOrder_) {
        club->SetCupFinalist(true, false);
        club->SetCupFinalist(false, false);
    }
    if (TClub* club = GetClubByUniqueId(id)) club->SetCupFinalist((id & ReserveTeamBit) == 0, true);
}
