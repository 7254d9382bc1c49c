#include "editors/player_staff/staff/DlgManagerAbilities.h"

#include <algorithm>
#include <iterator>

#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/squad/LanguageSlotStore.h"
#include "resources/StaffPagesIds.h"
#include "ui/base/ScrollBarTools.h"
#include "win/ComboBox.h"

namespace {

// Staff abilities 0 motivation, 1 coaching, 2 goalkeeper training, 3 negotiation.
constexpr int AbilityIds[] = {IDC_MANAGER_MOTIVATION, IDC_MANAGER_COACHING, IDC_MANAGER_GOALKEEPING,
                              IDC_MANAGER_NEGOTIATION};
constexpr int LanguageIds[TPerson::LanguageSlots] = {IDC_MANAGER_LANGUAGE0, IDC_MANAGER_LANGUAGE1,
                                                     IDC_MANAGER_LANGUAGE2, IDC_MANAGER_LANGUAGE3};
constexpr int ManagerCharacterCount = 12;
constexpr std::uint8_t Manager = 1;
constexpr std::uint8_t Chairman = 2;

bool IsValueCombo(int id)
{
    return id == IDC_MANAGER_CHARACTER || std::find(std::begin(LanguageIds), std::end(LanguageIds), id) != std::end(LanguageIds);
}

}  // namespace

CDlgManagerAbilities::CDlgManagerAbilities(HWND parent) : CDlgManagerAbilities(IDD_MANAGER_ABILITIES, parent) {}

CDlgManagerAbilities::CDlgManagerAbilities(UINT templateId, HWND parent) : CPersonPage(templateId, parent) {}

BOOL CDlgManagerAbilities::OnInitDialog()
{
    CPersonPage::OnInitDialog();
    for (std::size_t index = 0; index < abilities_.size(); ++index) {
        abilities_[index].SubclassDlgItem(AbilityIds[index], *this);
        abilities_[index].SetRange(0, HighestAbility);
        abilities_[index].SetNotify(this);
    }
    win::CComboBox combo;
    for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) {
        combo.Attach(GetItem(LanguageIds[slot]));
        FillLanguageCombo(combo, -1, slot != 0);
        combo.Detach();
    }
    combo.Attach(GetItem(IDC_MANAGER_CHARACTER));
    combo.ResetContent();
    for (int index = 0; index < ManagerCharacterCount; ++index) {
        AddComboItem(combo, GetEnumTexts().GetManagerCharacterName(index), index);
    }
    combo.Detach();
    return TRUE;
}

bool CDlgManagerAbilities::IsEditable(const TPerson& person)
{
    return person.GetType() == Manager || person.GetType() == Chairman;
}

void CDlgManagerAbilities::EnableValues(bool enable) const
{
    for (int id : AbilityIds) ::EnableWindow(GetItem(id), enable);
    for (int id : LanguageIds) ::EnableWindow(GetItem(id), enable);
    ::EnableWindow(GetItem(IDC_MANAGER_CHARACTER), enable);
}

void CDlgManagerAbilities::SetPerson(TPerson* person, TClub*)
{
    person_ = person;
    changes_.BeginShowing();
    Enable(person != nullptr);
    EnableValues(person != nullptr);
    if (person != nullptr) ShowPerson(*person);
    changes_.EndShowing();
}

void CDlgManagerAbilities::ShowPerson(const TPerson& person)
{
    for (std::size_t index = 0; index < abilities_.size(); ++index) {
        if (person.IsRealPerson()) ::SetWindowTextW(abilities_[index].Handle(), L"-");
        else abilities_[index].SetValue(person.GetStaffAbility(static_cast<int>(index)));
    }
    win::CComboBox combo;
    for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) {
        combo.Attach(GetItem(LanguageIds[slot]));
        combo.SetCurSel(combo.FindItemData(person.GetLanguage(slot)));
        combo.Detach();
    }
    combo.Attach(GetItem(IDC_MANAGER_CHARACTER));
    combo.SetCurSel(combo.FindItemData(static_cast<LPARAM>(person.GetCharacterWord())));
    combo.Detach();
    EnableValues(IsEditable(person));
    Invalidate();
}

int CDlgManagerAbilities::ChosenOr(int id, int stored) const
{
    if (!changes_.Has(GetItem(id))) return stored;
    win::CComboBox combo;
    combo.Attach(GetItem(id));
    const auto value = static_cast<int>(GetComboSelData(combo, stored));
    combo.Detach();
    return value;
}

void CDlgManagerAbilities::ApplyToPerson()
{
    if (person_ == nullptr) return;
    std::uint8_t languages[TPerson::LanguageSlots];
    unsigned chosenSlots = 0;
    for (int slot = 0; slot < TPerson::LanguageSlots; ++slot) {
        languages[slot] = static_cast<std::uint8_t>(ChosenOr(LanguageIds[slot], person_->GetLanguage(slot)));
        if (changes_.Has(GetItem(LanguageIds[slot]))) chosenSlots |= 1u << slot;
    }
    // Every staff member's languages close up, also where the page cannot
    // change them.
    LanguageSlotStore::Store(*person_, languages, chosenSlots);
    if (IsEditable(*person_)) ApplyEditableValues();
    changes_.Clear();
}

// Only a manager's or chairman's values can be changed; the others'
// controls show what is stored.
void CDlgManagerAbilities::ApplyEditableValues()
{
    if (!person_->IsRealPerson()) {
        for (std::size_t index = 0; index < abilities_.size(); ++index) {
            const auto ability = static_cast<int>(index);
            const std::int64_t value = changes_.ValueOr(abilities_[index], person_->GetStaffAbility(ability));
            person_->SetStaffAbility(ability, static_cast<std::uint8_t>(value));
        }
    }
    const auto character = static_cast<int>(person_->GetCharacterWord());
    person_->SetCharacterWord(static_cast<std::uint32_t>(ChosenOr(IDC_MANAGER_CHARACTER, character)));
}

void CDlgManagerAbilities::OnChange(void* sender)
{
    changes_.Note(sender);
}

bool CDlgManagerAbilities::OnCommand(int id, int code, HWND control)
{
    if (IsValueCombo(id) && code == CBN_SELCHANGE) changes_.Note(GetItem(id));
    return CPersonPage::OnCommand(id, code, control);
}

bool CDlgManagerAbilities::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // The ability spins' arrows scroll too, and so do the country editor's
    // bars, whose positions are nobody's value: what they changed is stored at once.
    if (message == WM_VSCROLL && lParam != 0) {
        const HWND bar = reinterpret_cast<HWND>(lParam);
        if (IsScrollBarControl(bar)) HandleInvertedScrollBar(LOWORD(wParam), HIWORD(wParam), bar);
        ApplyToPerson();
        result = 0;
        return true;
    }
    return CPersonPage::OnMessage(message, wParam, lParam, result);
}
