#include "editors/player_staff/squad/DlgPlayerPosition.h"

#include "core/text/TextManager.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/squad/LanguageSlotStore.h"
#include "editors/player_staff/model/squad/PositionPageModel.h"
#include "resources/StaffPagesIds.h"
#include "ui/base/ScrollBarTools.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

constexpr int PositionCombos[PositionPageValues::PositionSlots] = {IDC_POSITION_MAIN, 2000, 2001, 2002, 2003, 2004};
constexpr int LanguageCombos[PositionPageValues::LanguageSlots] = {IDC_POSITION_LANGUAGE0, IDC_POSITION_LANGUAGE1,
                                                                   IDC_POSITION_LANGUAGE2};
constexpr int TextStatics[] = {IDC_POSITION_FOOT_TEXT, IDC_POSITION_NATIONAL_EXPERIENCE_TEXT,
                               IDC_POSITION_INTERNATIONAL_EXPERIENCE_TEXT};
// Bars with these style bits move themselves.
constexpr LONG SelfMovingBarStyles = 0x30;

// Position 0 in a further slot is no position, not a wrong one.
const char16_t* SlotText(const CEnumTexts& names, int position)
{
    if (position == 0) return CTextManager::Instance()->GetText(u"Player.Position.None"_tk);
    return names.GetPositionName(position);
}

void SetStatic(HWND page, int id, const char16_t* text)
{
    ::SetDlgItemTextW(page, id, win::W(text));
}

}  // namespace

CDlgPlayerPosition::CDlgPlayerPosition(HWND parent) : CPersonPage(IDD_PLAYER_POSITION, parent) {}

BOOL CDlgPlayerPosition::OnInitDialog()
{
    CPersonPage::OnInitDialog();
    tacticalEducation_.SubclassDlgItem(IDC_POSITION_TACTICAL_EDUCATION, *this);
    tacticalEducation_.SetFlags(Halvane::MFC::CSpinEditCtrl::PlainDigits);
    tacticalEducation_.SetRange(0, PositionPageModel::HighestTacticalEducation);
    ::SetScrollRange(GetItem(IDC_POSITION_FOOT), SB_CTL, 0, PositionPageModel::HighestFoot, FALSE);
    ::SetScrollRange(GetItem(IDC_POSITION_NATIONAL_EXPERIENCE), SB_CTL, 0,
                     PositionPageModel::HighestNationalExperience, FALSE);
    ::SetScrollRange(GetItem(IDC_POSITION_INTERNATIONAL_EXPERIENCE), SB_CTL, 0,
                     PositionPageModel::HighestInternationalExperience, FALSE);
    FillCombos();
    return TRUE;
}

void CDlgPlayerPosition::FillCombos()
{
    const CEnumTexts& names = GetEnumTexts();
    win::CComboBox combo;
    for (int slot = 0; slot < PositionPageValues::PositionSlots; ++slot) {
        combo.Attach(GetItem(PositionCombos[slot]));
        combo.SetRedraw(false);
        combo.ResetContent();
        for (int position = slot == 0 ? 1 : 0; position <= PositionPageModel::HighestPosition; ++position) {
            AddComboItem(combo, SlotText(names, position), position);
        }
        combo.SetRedraw(true);
        combo.Detach();
    }
    for (int slot = 0; slot < PositionPageValues::LanguageSlots; ++slot) {
        combo.Attach(GetItem(LanguageCombos[slot]));
        combo.SetRedraw(false);
        combo.ResetContent();
        for (int language = slot == 0 ? 1 : 0; language <= LanguageSlotStore::HighestLanguage; ++language) {
            AddComboItem(combo, names.GetLanguageName(language), language);
        }
        combo.SetRedraw(true);
        combo.Detach();
    }
}

void CDlgPlayerPosition::Select(int id, int value) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(id));
    combo.SetCurSel(combo.FindItemData(value));
    combo.Detach();
}

int CDlgPlayerPosition::Selected(int id) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(id));
    const auto value = static_cast<int>(GetComboSelData(combo, 0));
    combo.Detach();
    return value;
}

void CDlgPlayerPosition::SetPerson(TPerson* person, TClub*)
{
    person_ = person;
    Enable(person != nullptr);
    if (person == nullptr) {
        for (int id : TextStatics) ::SetDlgItemTextW(Handle(), id, L"");
        return;
    }
    ShowValues(PositionPageModel::Show(*person));
    ApplyToPerson();
    ShowTexts();
}

void CDlgPlayerPosition::ShowValues(const PositionPageValues& values)
{
    for (int slot = 0; slot < PositionPageValues::PositionSlots; ++slot) Select(PositionCombos[slot], values.positions[slot]);
    for (int slot = 0; slot < PositionPageValues::LanguageSlots; ++slot) Select(LanguageCombos[slot], values.languages[slot]);
    SetInvertedScrollValue(GetItem(IDC_POSITION_FOOT), values.foot);
    SetInvertedScrollValue(GetItem(IDC_POSITION_NATIONAL_EXPERIENCE), values.nationalExperience);
    SetInvertedScrollValue(GetItem(IDC_POSITION_INTERNATIONAL_EXPERIENCE), values.internationalExperience);
    tacticalEducation_.SetValue(values.tacticalEducation);
}

void CDlgPlayerPosition::ShowTexts()
{
    const CEnumTexts& names = GetEnumTexts();
    SetStatic(Handle(), IDC_POSITION_FOOT_TEXT, names.GetFootName(person_->GetPreferredFoot()));
    SetStatic(Handle(), IDC_POSITION_NATIONAL_EXPERIENCE_TEXT,
                names.GetPlayerNationalExperienceName(person_->GetNationalExperience()));
    SetStatic(Handle(), IDC_POSITION_INTERNATIONAL_EXPERIENCE_TEXT,
                names.GetPlayerInternationalExperienceName(person_->GetInternationalExperience()));
}

void CDlgPlayerPosition::ApplyToPerson()
{
    if (person_ == nullptr) return;
    PositionPageValues values;
    for (int slot = 0; slot < PositionPageValues::PositionSlots; ++slot) {
        values.positions[slot] = static_cast<std::uint8_t>(Selected(PositionCombos[slot]));
    }
    for (int slot = 0; slot < PositionPageValues::LanguageSlots; ++slot) {
        values.languages[slot] = static_cast<std::uint8_t>(Selected(LanguageCombos[slot]));
    }
    values.foot = GetInvertedScrollValue(GetItem(IDC_POSITION_FOOT));
    values.nationalExperience = GetInvertedScrollValue(GetItem(IDC_POSITION_NATIONAL_EXPERIENCE));
    values.internationalExperience = GetInvertedScrollValue(GetItem(IDC_POSITION_INTERNATIONAL_EXPERIENCE));
    values.tacticalEducation = tacticalEducation_.GetValue();
    PositionPageModel::Store(*person_, values);
    // The controls follow what was stored: a language that moved up from the
    // slot the page does not show would otherwise be lost at the next store.
    ShowValues(PositionPageModel::Show(*person_));
}

void CDlgPlayerPosition::OnScroll(int code, int thumb, HWND bar)
{
    if ((::GetWindowLongW(bar, GWL_STYLE) & SelfMovingBarStyles) == 0) HandleInvertedScrollBar(code, thumb, bar);
    ApplyToPerson();
    ShowTexts();
    RequestListUpdate();
}

bool CDlgPlayerPosition::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_VSCROLL && person_ != nullptr && lParam != 0) {
        OnScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam));
        result = 0;
        return true;
    }
    return CPersonPage::OnMessage(message, wParam, lParam, result);
}
