#pragma once
// An owner-drawn list box whose rows carry an icon from an image list
// (the row's item data is the image index) before their text.

#include <windows.h>
#include <commctrl.h>

#include "win/ListBox.h"

class CSelectDatabase : public win::CListBox {
public:
    // Not owned.
    void SetImageList(HIMAGELIST images) { images_ = images; }

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    HIMAGELIST images_ = nullptr;
};
