// Builds persons from arbitrary bytes and runs the staff list rows and the
// position, language and looks stores on each twice: nothing may crash,
// the second round must change nothing, and the stored languages and
// positions must come out without repeats or gaps.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/FuzzBytes.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/squad/LanguageSlotStore.h"
#include "editors/player_staff/model/staff/PersonTypeTable.h"
#include "editors/player_staff/model/squad/PlayerLookModel.h"
#include "editors/player_staff/model/squad/PositionPageModel.h"
#include "editors/player_staff/model/staff/StaffListModel.h"

namespace {

using fuzz_support::FuzzBytes;

std::unique_ptr<TPerson> MakePerson(FuzzBytes& in, std::uint32_t id)
{
    auto person = std::make_unique<TPerson>(nullptr, id);
    person->SetType(in.U8());
    person->SetLastName(in.U8() & 1 ? u"Staff" : u"");
    person->SetFirstName(in.U8() & 1 ? u"Sam" : u"");
    std::uint8_t languages[TPerson::LanguageSlots];
    for (std::uint8_t& language : languages) language = in.U8();
    person->SetLanguageSlots(languages);
    for (int slot = 0; slot < TPerson::PositionSlots; ++slot) person->SetPosition(slot, in.U8());
    person->SetPreferredFoot(in.U8());
    person->SetNationalExperience(in.U8());
    person->SetInternationalExperience(in.U8());
    person->SetTacticalEducation(in.U8());
    person->SetAppearance(in.U8(), in.U8(), in.U8(), in.U8(), in.U8());
    person->SetAppearanceBits(in.U8());
    person->SetFaceId(static_cast<std::uint32_t>(in.I32()));
    person->SetHeightWeight(in.U8(), in.U8());
    for (int index = 0; index < TPerson::StaffAbilityCount; ++index) person->SetStaffAbility(index, in.U8());
    return person;
}

std::vector<std::uint32_t> Fingerprint(const TPerson& p)
{
    std::vector<std::uint32_t> print = {p.GetType(), p.GetPlayerBits(), p.GetNationalExperience(),
                                        p.GetInternationalExperience(), p.GetTacticalEducation(), p.GetHairColour(),
                                        p.GetFace(), p.GetHairstyle(), p.GetFacialHair(), p.GetShoe(),
                                        p.GetAppearanceBits(), p.GetFaceId(), p.GetHeight(), p.GetWeight()};
    for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) print.push_back(p.GetLanguage(slot));
    for (int slot = 0; slot < TPerson::PositionSlots; ++slot) print.push_back(p.GetPosition(slot));
    return print;
}

void StorePages(TPerson& person)
{
    PositionPageModel::Store(person, PositionPageModel::Show(person));
    std::uint8_t languages[TPerson::LanguageSlots];
    for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) languages[slot] = person.GetLanguage(slot);
    LanguageSlotStore::Store(person, languages);
    PlayerLookModel::Store(person, PlayerLookModel::Show(person));
}

void CheckLanguages(const TPerson& person)
{
    bool gap = false;
    for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) {
        const int language = person.GetLanguage(slot);
        if (language > LanguageSlotStore::HighestLanguage) __builtin_trap();
        if (language == 0) gap = true;
        if (language != 0 && gap) __builtin_trap();
        for (int earlier = 0; earlier < slot; ++earlier) {
            if (language != 0 && person.GetLanguage(earlier) == language) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    std::vector<std::unique_ptr<TPerson>> persons;
    while (!in.Empty() && persons.size() < 60) persons.push_back(MakePerson(in, static_cast<std::uint32_t>(persons.size() + 1)));
    for (const auto& person : persons) {
        const char16_t* key = StaffListModel::RoleKey(*person);
        if ((key == nullptr) != (PersonTypeTable::FindByType(person->GetType()) == nullptr)) __builtin_trap();
        (void)StaffListModel::RowText(*person, key != nullptr ? key : u"");
        StorePages(*person);
        const std::vector<std::uint32_t> once = Fingerprint(*person);
        StorePages(*person);
        if (Fingerprint(*person) != once) __builtin_trap();
        CheckLanguages(*person);
        const int height = person->GetHeight();
        const int weight = person->GetWeight();
        if (height < PlayerLookModel::LowestHeight || height > PlayerLookModel::HighestHeight) __builtin_trap();
        if (weight < PlayerLookModel::LowestWeight || weight > PlayerLookModel::HighestWeight) __builtin_trap();
    }
    return 0;
}
