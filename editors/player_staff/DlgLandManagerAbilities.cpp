#include "editors/player_staff/DlgLandManagerAbilities.h"

#include "resources/CountryStaffIds.h"
#include "ui/ScrollBarTools.h"

CDlgLandManagerAbilities::CDlgLandManagerAbilities(HWND parent) : CDlgManagerAbilities(IDD_LAND_MANAGER_ABILITIES, parent) {}

bool CDlgLandManagerAbilities::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_MANAGER_CHARACTER && code == CBN_SELCHANGE) {
        ApplyToPerson();
        return true;
    }
    return CDlgManagerAbilities::OnCommand(id, code, control);
}

// The bars' positions are nobody's value: a move only writes the page back.
bool CDlgLandManagerAbilities::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_VSCROLL && lParam != 0) {
        HandleInvertedScrollBar(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam));
        ApplyToPerson();
        result = 0;
        return true;
    }
    return CDlgManagerAbilities::OnMessage(message, wParam, lParam, result);
}
