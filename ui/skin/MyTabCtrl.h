#pragma once
// A tab control that switches its pages itself and asks its parent before
// a page may be left: the parent answers WM_APP+8 with 0 to keep the page,
// and hears WM_APP+9 after a change. Each tab's item data is its page window.
// A page's own WM_APP+8 and "WXM_UPDATE_LIST" reach the parent in the same
// form (wParam the current page, lParam the control id), so that the parent
// treats the page's request and the control's alike.

#include "ui/skin/SkinnedTabCtrl.h"

class CMyTabCtrl : public CSkinnedTabCtrl {
public:
    static constexpr UINT PageLeaveRequest = WM_APP + 8;
    static constexpr UINT PageChanged = WM_APP + 9;

    // The registered "WXM_UPDATE_LIST".
    static UINT UpdateListMessage();

    void ShowCurrentPage();
    void HideCurrentPage();
    int GetCurrentPage() const { return currentPage_; }

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static constexpr int ChangeAllowed = -1;
    void OnSelectionChanging();
    void OnSelectionChanged();
    void ShowPage(bool show);

    int currentPage_ = 0;
    int restorePage_ = 0;
};
