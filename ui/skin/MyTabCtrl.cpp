#include "ui/skin/MyTabCtrl.h"

void CMyTabCtrl::ShowPage(bool show)
{
    currentPage_ = GetCurSel();
    HWND page = reinterpret_cast<HWND>(GetItemData(currentPage_));
    if (page == nullptr || !::IsWindow(page)) return;
    ::ShowWindow(page, show ? SW_SHOW : SW_HIDE);
    ::EnableWindow(page, show ? TRUE : FALSE);
}

void CMyTabCtrl::ShowCurrentPage() { ShowPage(true); }
void CMyTabCtrl::HideCurrentPage() { ShowPage(false); }

void CMyTabCtrl::OnSelectionChanging()
{
    LRESULT allowed = ::SendMessageW(GetParent(), PageLeaveRequest, static_cast<WPARAM>(currentPage_ & 0xFFFF),
                                     static_cast<LPARAM>(GetId()));
    if (allowed == 0) {
        restorePage_ = currentPage_;
        return;
    }
    HideCurrentPage();
    restorePage_ = ChangeAllowed;
}

void CMyTabCtrl::OnSelectionChanged()
{
    if (restorePage_ != ChangeAllowed) {
        currentPage_ = restorePage_;
        SetCurSel(restorePage_);
        return;
    }
    ShowCurrentPage();
    ::SendMessageW(GetParent(), PageChanged, static_cast<WPARAM>(currentPage_ & 0xFFFF), static_cast<LPARAM>(GetId()));
}

bool CMyTabCtrl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY) return false;
    UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
    if (code == TCN_SELCHANGING) {
        OnSelectionChanging();
        result = FALSE;
        return true;
    }
    if (code == TCN_SELCHANGE) {
        OnSelectionChanged();
        result = 0;
        return true;
    }
    return false;
}

UINT CMyTabCtrl::UpdateListMessage()
{
    static const UINT message = ::RegisterWindowMessageW(L"WXM_UPDATE_LIST");
    return message;
}

bool CMyTabCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == PageLeaveRequest || (message != 0 && message == UpdateListMessage())) {
        result = ::SendMessageW(GetParent(), message, static_cast<WPARAM>(currentPage_ & 0xFFFF),
                                static_cast<LPARAM>(GetId()));
        return true;
    }
    return CSkinnedTabCtrl::OnMessage(message, wParam, lParam, result);
}
