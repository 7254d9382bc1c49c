#pragma once
// The 64 kit colours as an 8 x 8 grid; a click on a cell picks its colour
// and closes the picker as OK.

#include "ui/base/DialogB.h"

class CDlgClubShirtsColor : public CDialogB {
public:
    explicit CDlgClubShirtsColor(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Kit.ChangeColor"; }

    // -1 for none.
    void SetSelectedIndex(int index) { selected_ = index; }
    int GetSelectedIndex() const { return selected_; }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CentreOnCursor();
    void Paint(HDC dc) const;

    int selected_ = -1;
};
