#pragma once
// A list box on a fixed grid: 15 rows of 16 pixels, up to nine columns of
// 40 pixels. Left and right clicks are reported to the parent.

#include "win/ListBox.h"

class CListBoxEditor : public win::CListBox {
public:
    static constexpr int VisibleRows = 15;
    static constexpr int RowPitch = 16;
    static constexpr int MaxColumns = 9;
    static constexpr int ColumnWidth = 40;
    static constexpr int TextHeight = 12;
    static constexpr WPARAM RightClickTag = 0x02010000;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint();
    LPARAM PointInParent(LPARAM point) const;
};
