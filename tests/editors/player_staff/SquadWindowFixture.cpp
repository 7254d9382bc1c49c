#include "SquadWindowFixture.h"

#include "resources/ClubEditorIds.h"

namespace squad_window_testing {

namespace {

struct TSearch {
    int controlId;
    HWND found;
};

BOOL CALLBACK LookAtWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<TSearch*>(context);
    if (!::IsWindowVisible(window) || ::GetDlgItem(window, search->controlId) == nullptr) return TRUE;
    search->found = window;
    return FALSE;
}

void SelectTab(CDlgPlayerlistClub& window, CMyTabCtrl& tabs, int id, int index)
{
    NMHDR header{tabs.Handle(), static_cast<UINT_PTR>(id), TCN_SELCHANGING};
    ::SendMessageW(window.Handle(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    tabs.SetCurSel(index);
    header.code = TCN_SELCHANGE;
    ::SendMessageW(window.Handle(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

// The messages of a list box or of a combo box.
struct TChoiceMessages {
    UINT count;
    UINT itemData;
    UINT select;
    WORD selectionChange;
};

// Selects the row whose item data is data and tells the dialog, as a click would.
bool ChooseByData(HWND dialog, int id, LPARAM data, const TChoiceMessages& messages)
{
    HWND control = ::GetDlgItem(dialog, id);
    const LRESULT count = ::SendMessageW(control, messages.count, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        if (::SendMessageW(control, messages.itemData, static_cast<WPARAM>(row), 0) != data) continue;
        ::SendMessageW(control, messages.select, static_cast<WPARAM>(row), 0);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, messages.selectionChange), reinterpret_cast<LPARAM>(control));
        return true;
    }
    return false;
}

}  // namespace

void PickClubOutOfTheWay(HWND picker, int countryId, std::uint32_t clubId)
{
    ::SetWindowPos(picker, nullptr, 4000, 4000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SelectRowByData(picker, IDC_PICK_COUNTRIES, countryId);
    SelectRowByData(picker, IDC_PICK_CLUBS, static_cast<LPARAM>(clubId));
    ::SendMessageW(picker, WM_COMMAND, IDOK, 0);
}

void SelectPageTab(CDlgPlayerlistClub& window, int index)
{
    SelectTab(window, window.GetPageTabs(), IDC_FRAME_PAGE_TABS, index);
}

void SelectListTab(CDlgPlayerlistClub& window, int index)
{
    SelectTab(window, window.GetListTabs(), IDC_FRAME_LIST_TABS, index);
}

HWND FindDialogWith(int controlId)
{
    TSearch search{controlId, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), LookAtWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SelectRowByData(HWND dialog, int listId, LPARAM data)
{
    return ChooseByData(dialog, listId, data, {LB_GETCOUNT, LB_GETITEMDATA, LB_SETCURSEL, LBN_SELCHANGE});
}

bool ChooseItemByData(HWND dialog, int comboId, LPARAM data)
{
    return ChooseByData(dialog, comboId, data, {CB_GETCOUNT, CB_GETITEMDATA, CB_SETCURSEL, CBN_SELCHANGE});
}

}  // namespace squad_window_testing
