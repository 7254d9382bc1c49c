#include "editors/player_staff/staff/DlgStaffAtClub.h"

#include "database/person/Person.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/squad/PersonCommonRules.h"
#include "win/ComboBox.h"

namespace {

constexpr const char16_t* RatingKeys[] = {u"Staff.Rating.00", u"Staff.Rating.01", u"Staff.Rating.02",
                                          u"Staff.Rating.03", u"Staff.Rating.04", nullptr};

}  // namespace

CDlgStaffAtClub::CDlgStaffAtClub(HWND parent) : CDialogB(IDD_STAFF_AT_CLUB, parent) {}

BOOL CDlgStaffAtClub::OnInitDialog()
{
    CDialogB::OnInitDialog();
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_STAFF_RATING));
    FillComboFromKeys(combo, RatingKeys, 0);
    combo.Detach();
    return TRUE;
}

void CDlgStaffAtClub::SetPerson(TPerson* person)
{
    person_ = person;
    changes_.BeginShowing();
    if (person != nullptr) {
        win::CComboBox combo;
        combo.Attach(GetItem(IDC_STAFF_RATING));
        const int selection = PersonCommonRules::StaffLevelSelection(*person);
        combo.SetCurSel(selection >= 0 ? combo.FindItemData(selection) : -1);
        combo.Detach();
    }
    changes_.EndShowing();
}

bool CDlgStaffAtClub::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_STAFF_RATING && code == CBN_SELCHANGE) changes_.Note(control);
    return CDialogB::OnCommand(id, code, control);
}

void CDlgStaffAtClub::ApplyToPerson()
{
    if (person_ == nullptr || !changes_.Has(GetItem(IDC_STAFF_RATING))) return;
    changes_.Clear();
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_STAFF_RATING));
    const int selected = combo.GetCurSel();
    const int level = selected >= 0 ? static_cast<int>(combo.GetItemData(selected)) : -1;
    combo.Detach();
    PersonCommonRules::StoreStaffLevel(*person_, level);
}
