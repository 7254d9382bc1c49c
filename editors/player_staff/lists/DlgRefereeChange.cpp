#include "editors/player_staff/lists/DlgRefereeChange.h"

#include "resources/NationalPoolIds.h"
#include "win/DataExchange.h"

CDlgRefereeChange::CDlgRefereeChange(HWND parent) : CDialogB(IDD_REFEREE_CHANGE, parent) {}

BOOL CDlgRefereeChange::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    ::SendDlgItemMessageW(Handle(), IDC_REFEREE_FIRST_NAME, EM_LIMITTEXT, FirstNameLength, 0);
    ::SendDlgItemMessageW(Handle(), IDC_REFEREE_LAST_NAME, EM_LIMITTEXT, LastNameLength, 0);
    firstName_ = referee_.GetFirstName();
    lastName_ = referee_.GetLastName();
    UpdateData(false);
    // A stored type above 6 checks no button.
    for (int id = IDC_REFEREE_TYPE_FIRST; id <= IDC_REFEREE_TYPE_LAST; ++id) {
        ::CheckDlgButton(Handle(), id, id - IDC_REFEREE_TYPE_FIRST == referee_.GetType() ? BST_CHECKED : BST_UNCHECKED);
    }
    return result;
}

void CDlgRefereeChange::DoDataExchange(win::CDataExchange& exchange)
{
    exchange.Text(IDC_REFEREE_FIRST_NAME, firstName_);
    exchange.Text(IDC_REFEREE_LAST_NAME, lastName_);
}

bool CDlgRefereeChange::OnCommand(int id, int code, HWND control)
{
    if (id >= IDC_REFEREE_TYPE_FIRST && id <= IDC_REFEREE_TYPE_LAST && code == BN_CLICKED) {
        referee_.SetType(static_cast<std::uint8_t>(id - IDC_REFEREE_TYPE_FIRST));
        return true;
    }
    return CDialogB::OnCommand(id, code, control);
}

void CDlgRefereeChange::OnOK()
{
    if (!UpdateData(true)) return;
    referee_.SetNames(firstName_.c_str(), lastName_.c_str());
    CDialogB::OnOK();
}
