#include "editors/country_club/club/DlgClubShirtsColor.h"

#include <windowsx.h>

#include <algorithm>

#include "database/club/KitPalette.h"
#include "editors/country_club/model/club/ColourPickerGrid.h"
#include "resources/ClubEditorIds.h"
#include "ui/controls/SelectColour.h"

namespace {

constexpr int SelectionPenWidth = 3;

}  // namespace

CDlgClubShirtsColor::CDlgClubShirtsColor(HWND parent) : CDialogB(IDD_CLUB_KIT_COLOUR, parent) {}

BOOL CDlgClubShirtsColor::OnInitDialog()
{
    CDialogB::OnInitDialog();
    CentreOnCursor();
    return TRUE;
}

// Centred on the cursor, but never past the edges of the cursor's monitor
// work area: near an edge every cell stays on the screen and can be clicked.
void CDlgClubShirtsColor::CentreOnCursor()
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const RECT frame = GetWindowRect();
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const int left = std::max<int>(area.left, std::min<int>(cursor.x - width / 2, area.right - width));
    const int top = std::max<int>(area.top, std::min<int>(cursor.y - height / 2, area.bottom - height));
    ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgClubShirtsColor::Paint(HDC dc) const
{
    for (int index = 0; index < PickerColumns * PickerRows; ++index) {
        const TGridCell cell = PickerCell(index);
        const RECT area{cell.left, cell.top, cell.right, cell.bottom};
        HBRUSH brush = ::CreateSolidBrush(CSelectColour::FromRgb(GetKitPaletteColourArgb(index) & 0xFFFFFF));
        ::FillRect(dc, &area, brush);
        ::DeleteObject(brush);
    }
    if (selected_ < 0 || selected_ >= PickerColumns * PickerRows) return;
    const TGridCell cell = PickerCell(selected_);
    HPEN pen = ::CreatePen(PS_SOLID, SelectionPenWidth, RGB(0, 0, 0));
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
}

bool CDlgClubShirtsColor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(Handle(), &paint);
        Paint(dc);
        ::EndPaint(Handle(), &paint);
        result = 0;
        return true;
    }
    if (message == WM_LBUTTONDOWN) {
        const int index = PickerHitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (index >= 0) {
            selected_ = index;
            EndDialog(IDOK);
        }
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}
