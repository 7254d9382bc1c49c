#include "editors/player_staff/search/DlgPlayerSearch.h"

#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/search/PlayerSearch.h"
#include "win/DataExchange.h"

CDlgPlayerSearch::CDlgPlayerSearch(HWND parent) : CDialogB(IDD_PLAYER_SEARCH, parent) {}

BOOL CDlgPlayerSearch::OnInitDialog()
{
    CDialogB::OnInitDialog();
    // Patterns are matched against the stored names, so they need no more room.
    ::SendDlgItemMessageW(Handle(), IDC_SEARCH_FIRST_NAME, EM_LIMITTEXT, FirstNameLimit, 0);
    ::SendDlgItemMessageW(Handle(), IDC_SEARCH_LAST_NAME, EM_LIMITTEXT, NameLimit, 0);
    ::SendDlgItemMessageW(Handle(), IDC_SEARCH_PSEUDONYM, EM_LIMITTEXT, NameLimit, 0);
    return TRUE;
}

void CDlgPlayerSearch::DoDataExchange(win::CDataExchange& exchange)
{
    exchange.Text(IDC_SEARCH_FIRST_NAME, GetSearchFirstName());
    exchange.Text(IDC_SEARCH_LAST_NAME, GetSearchLastName());
    exchange.Text(IDC_SEARCH_PSEUDONYM, GetSearchPseudonym());
}
