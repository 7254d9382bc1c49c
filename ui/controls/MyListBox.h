#pragma once
// An owner-drawn list box whose rows are tab-separated texts shown in
// columns laid out in dialog units. Right clicks (and, when asked, left
// clicks) go to the parent with the point in the parent's coordinates.

#include <cstdint>

#include "win/ListBox.h"

class CMyListBox : public win::CListBox {
public:
    static constexpr int MaxColumns = 100;
    static constexpr std::uint16_t RightAligned = 0x8000;
    static constexpr std::uint16_t Centred = 0x4000;

    CMyListBox();
    // Creates the list with the owner-draw styles it needs.
    bool Create(DWORD style, const RECT& rect, HWND parent, int id);
    // Positions and widths in dialog units (low 12 bits); a position may
    // carry RightAligned or Centred; a width of 0 runs to the next column.
    void SetColumns(int count, const std::uint16_t* positions, const std::uint16_t* widths);
    void SetForwardLButtonDown(bool forward) { forwardLeftClicks_ = forward; }

    int GetColumnCount() const { return columnCount_; }
    int GetColumnLeft(int column) const { return left_[column]; }
    int GetColumnRight(int column) const { return right_[column]; }
    // DT_LEFT, DT_CENTER or DT_RIGHT.
    int GetColumnAlignment(int column) const { return alignment_[column]; }
    // Where a cell's text is drawn within its row.
    RECT GetCellTextBox(int column, const RECT& row) const;
    // The font the rows are drawn in: the dialog's.
    HFONT GetRowFont() const;

    static DWORD SubclassedStyle(DWORD style);

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

private:
    int DialogUnitsToPixels(std::uint16_t value) const;
    int MeasureRowHeight();
    void ForwardClick(UINT message, WPARAM keys, LPARAM point);

    int columnCount_ = 0;
    int left_[MaxColumns] = {};
    int right_[MaxColumns];
    int alignment_[MaxColumns] = {};
    int rowHeight_ = -1;
    bool forwardLeftClicks_ = false;
};
