// The country operations over its generated and real persons: the legal
// clean-up before a release build and the looks of a generated person.

#include "core/Random.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/club/ReferenceLists.h"

namespace {
// Per cent of generated persons with facial hair from the mask; the others
// get value 1.
constexpr int FacialHairShare = 33;

std::uint8_t RandomShoe(std::uint8_t current)
{
    const CBaseTextFile& shoes = GetShoeList();
    if (shoes.GetCount() <= 0) return current;
    return static_cast<std::uint8_t>(shoes.GetId(CrtRand() % shoes.GetCount()));
}
}  // namespace

void TClub::ClearLegalData()
{
    fansites_[0] = 0;
    for (int slot = 0; slot < squadCount_; ++slot) {
        if (TPerson* person = GetSquadPerson(slot)) person->FinalCheck();
    }
}

void TCountry::ClearLegalData()
{
    for (TPoolPlayer& entry : pool_) entry.Reset();
    referees_.Clear();
    for (TClub* club : clubOrder_) club->ClearLegalData();
}

void TCountry::RandomiseAppearance(TPerson& person) const
{
    const bool facial = CrtRand() * 100 / CrtRandMax < FacialHairShare;
    const int facialHair = facial ? RandomMaskBit(facialHairMask_) : 1;
    const int hairstyle = RandomMaskBitMulti(hairstyleMask_, 2);
    const int face = RandomMaskBitMulti(faceMask_, 4);
    const int hairColour = RandomMaskBit(hairColourMask_);
    person.SetAppearance(static_cast<std::uint8_t>(hairColour), static_cast<std::uint8_t>(face),
                         static_cast<std::uint8_t>(hairstyle), static_cast<std::uint8_t>(facialHair),
                         RandomShoe(person.GetShoe()));
}

void TCountry::RandomiseAppearance(TPoolPlayer& entry) const
{
    TPerson scratch(nullptr, 0);
    scratch.SetNationality(entry.GetNationality());
    RandomiseAppearance(scratch);
    entry.SetFace(scratch.GetFace());
    entry.SetHairColour(scratch.GetHairColour());
    entry.SetHairstyle(scratch.GetHairstyle());
    entry.SetShoe(scratch.GetShoe());
}
