#include "ui/controls/MyListBox.h"

#include <algorithm>
#include <string>

#include "win/Gdi.h"
#include "win/WideText.h"

namespace {

constexpr int DefaultRightEdge = 500;
constexpr std::uint16_t UnitsMask = 0x0FFF;
constexpr COLORREF FocusFrame = 0x0000FF;
// Pixels left free at a cell's right edge, so that a cut text ends in its
// dots before the next column begins.
constexpr int CellGap = 2;

int AlignmentOf(std::uint16_t position)
{
    if ((position & CMyListBox::RightAligned) != 0) return DT_RIGHT;
    if ((position & CMyListBox::Centred) != 0) return DT_CENTER;
    return DT_LEFT;
}

}  // namespace

CMyListBox::CMyListBox()
{
    std::fill(std::begin(right_), std::end(right_), DefaultRightEdge);
}

DWORD CMyListBox::SubclassedStyle(DWORD style)
{
    DWORD kept = style & (0xFFFF0000u | LBS_NOTIFY | LBS_SORT);
    return kept | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
}

bool CMyListBox::Create(DWORD style, const RECT& rect, HWND parent, int id)
{
    HWND window = ::CreateWindowExW(0, L"ListBox", L"", SubclassedStyle(style | WS_CHILD), rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    return window != nullptr && Subclass(window);
}

void CMyListBox::PreSubclassWindow()
{
    // Owner drawing cannot be switched on after creation; the templates
    // carry the styles, this keeps the recorded style in line.
    SetStyle(SubclassedStyle(GetStyle()));
    if ((GetStyle() & LBS_OWNERDRAWFIXED) != 0) Send(LB_SETITEMHEIGHT, 0, MeasureRowHeight());
}

int CMyListBox::MeasureRowHeight()
{
    if (rowHeight_ < 0) {
        win::CWindowDC dc(Handle());
        SIZE size{};
        ::GetTextExtentPoint32W(dc.Get(), L"A", 1, &size);
        rowHeight_ = size.cy;
    }
    return rowHeight_;
}

int CMyListBox::DialogUnitsToPixels(std::uint16_t value) const
{
    RECT rect{value & UnitsMask, 0, 0, 0};
    ::MapDialogRect(GetParent(), &rect);
    return rect.left;
}

void CMyListBox::SetColumns(int count, const std::uint16_t* positions, const std::uint16_t* widths)
{
    count = std::clamp(count, 0, MaxColumns);
    columnCount_ = count;
    RECT client = GetClientRect();
    int origin = client.left;
    int defaultEdge = client.right;
    for (int i = 0; i < count; ++i) {
        if (i == 0) {
            alignment_[0] = AlignmentOf(positions[0]);
            left_[0] = DialogUnitsToPixels(positions[0]) + origin + 1;
        } else if (positions[i] == 0) {
            left_[i] = defaultEdge;
            alignment_[i] = DT_LEFT;
        } else {
            left_[i] = DialogUnitsToPixels(positions[i]) + origin;
            alignment_[i] = AlignmentOf(positions[i]);
        }
    }
    for (int i = 0; i < count; ++i) {
        if (widths[i] != 0) {
            right_[i] = left_[i] + DialogUnitsToPixels(widths[i]);
            continue;
        }
        int next = i + 1 < count ? left_[i + 1] : defaultEdge;
        right_[i] = next == left_[i] ? defaultEdge : next;
    }
}

void CMyListBox::ForwardClick(UINT message, WPARAM keys, LPARAM point)
{
    POINT inParent{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    ::MapWindowPoints(Handle(), GetParent(), &inParent, 1);
    ::SendNotifyMessageW(GetParent(), message, keys, MAKELPARAM(inParent.x, inParent.y));
}

bool CMyListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_RBUTTONDOWN || (message == WM_LBUTTONDOWN && forwardLeftClicks_)) {
        ForwardClick(message, wParam, lParam);
        result = 0;
        return true;
    }
    return win::CListBox::OnMessage(message, wParam, lParam, result);
}

bool CMyListBox::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(MeasureRowHeight());
        result = TRUE;
        return true;
    }
    if (message == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return false;
}

RECT CMyListBox::GetCellTextBox(int column, const RECT& row) const
{
    // A scroll bar that came after the layout narrows the last columns.
    const int end = std::min(right_[column], static_cast<int>(GetClientRect().right));
    const int right = end - left_[column] > CellGap ? end - CellGap : end;
    return {left_[column], row.top, right, row.bottom};
}

HFONT CMyListBox::GetRowFont() const
{
    return reinterpret_cast<HFONT>(::SendMessageW(GetParent(), WM_GETFONT, 0, 0));
}

void CMyListBox::DrawItem(const DRAWITEMSTRUCT& item)
{
    RECT client = GetClientRect();
    RECT visible{};
    if (static_cast<int>(item.itemID) < 0 || !::IntersectRect(&visible, &client, &item.rcItem)) return;
    HDC dc = item.hDC;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF background = selected ? ::GetSysColor(COLOR_HIGHLIGHT) : ::GetBkColor(dc);
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    win::CBrush fill(::CreateSolidBrush(background));
    ::FillRect(dc, &item.rcItem, fill.Get());
    ::SetBkMode(dc, TRANSPARENT);
    win::CSelectObject font(dc, GetRowFont());
    std::u16string row = GetItemText(static_cast<int>(item.itemID));
    std::size_t start = 0;
    for (int column = 0; column < columnCount_ && start <= row.size(); ++column) {
        std::size_t tab = row.find(u'\t', start);
        std::u16string cell = row.substr(start, tab == std::u16string::npos ? std::u16string::npos : tab - start);
        RECT box = GetCellTextBox(column, item.rcItem);
        ::DrawTextW(dc, win::W(cell), -1, &box,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | static_cast<UINT>(alignment_[column]));
        if (tab == std::u16string::npos) break;
        start = tab + 1;
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        win::CBrush red(::CreateSolidBrush(FocusFrame));
        ::FrameRect(dc, &item.rcItem, red.Get());
    }
}
