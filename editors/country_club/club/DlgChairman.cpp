#include "editors/country_club/club/DlgChairman.h"

#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "editors/country_club/model/club/PickerLists.h"
#include "resources/ClubEditorIds.h"
#include "ui/base/ScrollBarTools.h"
#include "win/WideText.h"

CDlgChairman::CDlgChairman(HWND parent) : CDialogB(IDD_CHAIRMAN, parent) {}

BOOL CDlgChairman::OnInitDialog()
{
    CDialogB::OnInitDialog();
    ::SetScrollRange(::GetDlgItem(Handle(), IDC_CHAIRMAN_BAR), SB_CTL, 0, MaxChairmanStability, TRUE);
    if (person_ != nullptr) ShowValue(person_->GetStability());
    return TRUE;
}

void CDlgChairman::ShowValue(int stability)
{
    ::SetDlgItemTextW(Handle(), IDC_CHAIRMAN_VALUE, win::W(GetEnumTexts().GetChairmanStabilityName(stability)));
    SetInvertedScrollValue(::GetDlgItem(Handle(), IDC_CHAIRMAN_BAR), stability);
}

void CDlgChairman::SetPerson(TPerson* person)
{
    person_ = person;
    if (person_ != nullptr && Handle() != nullptr) ShowValue(person_->GetStability());
}

bool CDlgChairman::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const HWND bar = reinterpret_cast<HWND>(lParam);
    if (message == WM_HSCROLL && bar != nullptr && ::GetDlgCtrlID(bar) == IDC_CHAIRMAN_BAR) {
        if (person_ != nullptr) {
            const int stability = HandleInvertedScrollBar(LOWORD(wParam), HIWORD(wParam), bar);
            person_->SetStability(stability);
            ShowValue(stability);
        }
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}
