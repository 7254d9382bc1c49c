#pragma once
// A report list that draws its rows itself with a banded background, can
// reorder its rows by dragging (click mode 1) and can report clicked cells
// to its parent (click mode 2, WM_APP+6 with row and column).

#include "win/ImageList.h"
#include "win/ListCtrl.h"

class CListCtrlEx : public win::CListCtrl {
public:
    enum ClickMode : unsigned { ClickDefault = 0, ClickDrag = 1, ClickReport = 2 };
    static constexpr UINT CellClicked = WM_APP + 6;
    static constexpr int MaxDrawnColumns = 64;
    static constexpr int CellTextCapacity = 64;
    // The room a column gives beyond its heading's width.
    static constexpr int ColumnPadding = 15;

    void SetClickMode(unsigned mode) { clickMode_ = mode; }
    // A column as wide as its heading in the list's font plus the padding.
    bool AddColumn(const char16_t* text, int column, int format);
    bool SetColumnText(int column, const char16_t* text) { return win::CListCtrl::SetColumnText(column, text); }
    // Appends a row; -1 when the list refuses it.
    int AppendItem(const char16_t* text, LPARAM itemData);
    bool IsDragging() const { return dragging_; }

    // The background of a row: every seventh row and its neighbour are darker.
    static COLORREF RowBackground(COLORREF base, int row);
    // Where a dragged row goes when dropped on target (-1: no row).
    static int DropIndex(int dragged, int target, int rowCount);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

private:
    bool OnLeftButtonDown(POINT client);
    void BeginRowDrag(int row, POINT client);
    void ContinueRowDrag(POINT client);
    void EndRowDrag();
    void MarkDropTarget(int row);
    void MoveRow(int from, int to);

    unsigned clickMode_ = ClickDefault;
    win::CImageList dragImage_;
    bool dragging_ = false;
    int draggedRow_ = -1;
    int dropTarget_ = -1;
};
