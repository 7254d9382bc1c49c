#include "ui/lists/ListCtrlEx.h"

#include <algorithm>
#include <string>
#include <vector>

#include "win/Gdi.h"
#include "win/WideText.h"

namespace {

constexpr int DragHotSpot = 8;
constexpr int BandDarkening = 16;

BYTE Darken(BYTE channel)
{
    return channel <= BandDarkening ? 0 : static_cast<BYTE>(channel - BandDarkening);
}

UINT TextAlignment(int format)
{
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
    }
}

}  // namespace

bool CListCtrlEx::AddColumn(const char16_t* text, int column, int format)
{
    int width = GetStringWidth(text) + ColumnPadding;
    return InsertColumn(column, text, format, width, column) >= 0;
}

int CListCtrlEx::AppendItem(const char16_t* text, LPARAM itemData)
{
    int row = InsertItem(GetItemCount(), text);
    if (row < 0) return -1;
    SetItemData(row, itemData);
    return row;
}

COLORREF CListCtrlEx::RowBackground(COLORREF base, int row)
{
    int band = row % 7;
    if (band != 0 && band != 6) return base;
    return RGB(Darken(GetRValue(base)), Darken(GetGValue(base)), Darken(GetBValue(base)));
}

int CListCtrlEx::DropIndex(int dragged, int target, int rowCount)
{
    // Without a target the row goes to the end; on a target it goes before
    // the target, whichever way it moved.
    if (target < 0 || target >= rowCount) return rowCount - 1;
    return target > dragged ? target - 1 : target;
}

bool CListCtrlEx::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN:
        if (OnLeftButtonDown(client)) {
            result = 0;
            return true;
        }
        break;
    case WM_MOUSEMOVE:
        if (dragging_) {
            ContinueRowDrag(client);
            result = 0;
            return true;
        }
        break;
    case WM_LBUTTONUP:
        if (dragging_) {
            EndRowDrag();
            result = 0;
            return true;
        }
        break;
    default:
        break;
    }
    return win::CListCtrl::OnMessage(message, wParam, lParam, result);
}

bool CListCtrlEx::OnLeftButtonDown(POINT client)
{
    if (clickMode_ == ClickReport) {
        int column = -1;
        int row = SubItemHitTest(client, &column);
        ::SendMessageW(GetParent(), CellClicked, static_cast<WPARAM>(row), static_cast<LPARAM>(column));
        return false;
    }
    if (clickMode_ != ClickDrag) return false;
    UINT flags = 0;
    int row = HitTest(client, &flags);
    if (row < 0 || (flags & LVHT_ONITEM) == 0) return false;
    BeginRowDrag(row, client);
    return true;
}

void CListCtrlEx::BeginRowDrag(int row, POINT client)
{
    POINT origin{DragHotSpot, DragHotSpot};
    dragImage_.Reset(reinterpret_cast<HIMAGELIST>(Send(LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(row),
                                                       reinterpret_cast<LPARAM>(&origin))));
    if (dragImage_.Get() != nullptr) {
        ImageList_BeginDrag(dragImage_.Get(), 0, DragHotSpot, DragHotSpot);
        POINT screen = client;
        ::ClientToScreen(Handle(), &screen);
        ImageList_DragEnter(::GetDesktopWindow(), screen.x, screen.y);
    }
    dragging_ = true;
    draggedRow_ = row;
    dropTarget_ = -1;
    ::SetCapture(Handle());
}

void CListCtrlEx::MarkDropTarget(int row)
{
    if (dropTarget_ >= 0) {
        SetItemState(dropTarget_, 0, LVIS_DROPHILITED);
        Send(LVM_REDRAWITEMS, static_cast<WPARAM>(dropTarget_), dropTarget_);
    }
    dropTarget_ = row;
    if (row >= 0) SetItemState(row, LVIS_DROPHILITED, LVIS_DROPHILITED);
}

void CListCtrlEx::ContinueRowDrag(POINT client)
{
    POINT screen = client;
    ::ClientToScreen(Handle(), &screen);
    if (dragImage_.Get() != nullptr) {
        ImageList_DragMove(screen.x, screen.y);
        ImageList_DragShowNolock(FALSE);
    }
    // Rows can only be dropped within this list; the capture delivers every
    // move, so the list's own client area decides, whatever lies above it.
    RECT area = GetClientRect();
    UINT flags = 0;
    int row = ::PtInRect(&area, client) ? HitTest(client, &flags) : -1;
    MarkDropTarget(row >= 0 && (flags & LVHT_ONITEM) != 0 ? row : -1);
    ::UpdateWindow(Handle());
    if (dragImage_.Get() != nullptr) ImageList_DragShowNolock(TRUE);
}

void CListCtrlEx::EndRowDrag()
{
    dragging_ = false;
    ::ReleaseCapture();
    if (dragImage_.Get() != nullptr) {
        ImageList_DragLeave(::GetDesktopWindow());
        ImageList_EndDrag();
        dragImage_.Reset();
    }
    int target = dropTarget_;
    MarkDropTarget(-1);
    MoveRow(draggedRow_, target);
    draggedRow_ = -1;
}

void CListCtrlEx::MoveRow(int from, int target)
{
    int count = GetItemCount();
    if (from < 0 || from >= count || from == target) return;
    int columns = std::max(1, GetColumnCount());
    std::vector<std::u16string> cells;
    for (int column = 0; column < columns; ++column) cells.push_back(GetItemText(from, column));
    LPARAM data = GetItemData(from);
    int to = DropIndex(from, target, count);
    DeleteItem(from);
    int row = InsertItem(to, cells[0].c_str());
    if (row < 0) return;
    SetItemData(row, data);
    for (int column = 1; column < columns; ++column) SetItemText(row, column, cells[static_cast<std::size_t>(column)].c_str());
}

bool CListCtrlEx::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM) return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CListCtrlEx::DrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    int row = static_cast<int>(item.itemID);
    win::CBrush background(::CreateSolidBrush(RowBackground(GetBkColor(), row)));
    ::FillRect(dc, &item.rcItem, background.Get());
    HWND header = GetHeader();
    int columns = std::min(GetColumnCount(), MaxDrawnColumns);
    int order[MaxDrawnColumns] = {};
    if (columns <= 0 || Send(LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(columns), reinterpret_cast<LPARAM>(order)) == FALSE)
        return;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i < columns; ++i) {
        int column = order[i];
        RECT headerRect{};
        if (::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&headerRect)) == FALSE)
            continue;
        RECT cell{item.rcItem.left + headerRect.left, item.rcItem.top, item.rcItem.left + headerRect.right, item.rcItem.bottom};
        if (cell.right <= cell.left) continue;
        std::u16string text = GetItemText(row, column, CellTextCapacity);
        ::DrawTextW(dc, win::W(text), -1, &cell,
                    DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS | DT_NOPREFIX | TextAlignment(GetColumnFormat(column)));
    }
}
