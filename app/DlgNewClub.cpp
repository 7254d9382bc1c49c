#include "app/DlgNewClub.h"

#include "resources/ResourceIds.h"
#include "win/DataExchange.h"

CDlgNewClub::CDlgNewClub(HWND parent) : CDialogB(IDD_NEW_CLUB, parent) {}

BOOL CDlgNewClub::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    ::SendDlgItemMessageW(Handle(), IDC_NEW_CLUB_NAME, EM_LIMITTEXT, NameLength, 0);
    return result;
}

void CDlgNewClub::DoDataExchange(win::CDataExchange& exchange) { exchange.Text(IDC_NEW_CLUB_NAME, name_); }
