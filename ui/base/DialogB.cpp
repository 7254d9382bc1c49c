#include "ui/base/DialogB.h"

#include <string>

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "ui/skin/SkinBitmap.h"
#include "win/ClassName.h"
#include "win/Gdi.h"
#include "win/WideText.h"

namespace {

bool IsTransparentButtonType(UINT type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

HBRUSH TransparentBrush(HDC dc)
{
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

// The window whose client area anchors the skin: the nearest ancestor (or
// the window itself) that is a popup or has a sizing border.
HWND SkinAnchor(HWND window)
{
    HWND current = window;
    for (;;) {
        LONG_PTR style = ::GetWindowLongPtrW(current, GWL_STYLE);
        HWND parent = ::GetParent(current);
        if ((style & (WS_POPUP | WS_THICKFRAME)) != 0 || parent == nullptr) return current;
        current = parent;
    }
}

// The cursor in the client coordinates of window, when it lies over it.
bool CursorInWindow(HWND window, POINT& client)
{
    ::GetCursorPos(&client);
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    if (!::PtInRect(&bounds, client)) return false;
    ::ScreenToClient(window, &client);
    return true;
}

}  // namespace

CDialogB::CDialogB(UINT templateId, HWND parent) : CHVDialog(templateId, parent) {}

BOOL CDialogB::OnInitDialog()
{
    CHVDialog::OnInitDialog();
    if ((GetStyle() & WS_POPUP) != 0) {
        wchar_t caption[CaptionCapacity] = {};
        ::GetWindowTextW(Handle(), caption, static_cast<int>(CaptionCapacity));
        if (caption[0] != 0) ApplyPopupPrefix(win::U(caption));
    }
    return TRUE;
}

void CDialogB::ApplyPopupPrefix(const char16_t* caption)
{
    char16_t prefix[CaptionCapacity] = {};
    CopyText(prefix, GetTextManager()->GetText(u"Dialog.DialogB.PopupPrefix"_tk), CaptionCapacity - 1);
    std::u16string title(prefix);
    title.append(caption != nullptr ? caption : u"");
    if (title.size() > CaptionCapacity - 1) title.resize(CaptionCapacity - 1);
    SetText(title);
}

void CDialogB::OnOK()
{
    if (!IsChildPage()) CHVDialog::OnOK();
}

void CDialogB::OnCancel()
{
    if (!IsChildPage()) CHVDialog::OnCancel();
}

HBRUSH CDialogB::OnCtlColor(HDC dc, HWND control, UINT message)
{
    if (message == WM_CTLCOLORSTATIC && win::HasClassName(control, L"Static")) {
        // A static fills its area with this brush before it draws its text,
        // and the null brush fills nothing: the skin goes under it first, or
        // a changed text would stand on the old one. Without a skin the
        // static fills with the face colour the dialog shows.
        if (!PaintBackgroundUnder(control, dc)) return nullptr;
        return TransparentBrush(dc);
    }
    // A button repaints for a focus change alone, which must not erase it.
    if (win::HasClassName(control, L"Button") &&
        IsTransparentButtonType(static_cast<UINT>(::GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK))
        return TransparentBrush(dc);
    return nullptr;
}

BOOL CDialogB::DrawBackground(HDC dc)
{
    return PaintBackgroundUnder(Handle(), dc);
}

BOOL CDialogB::PaintBackgroundUnder(HWND window, HDC dc)
{
    RECT client{};
    if (window != nullptr) ::GetClientRect(window, &client);
    return PaintBackgroundRect(window, dc, client);
}

BOOL CDialogB::PaintBackgroundRect(HWND window, HDC dc, const RECT& area)
{
    HBITMAP skin = GetSkinBitmap();
    if (window == nullptr || dc == nullptr || skin == nullptr) return FALSE;
    HWND anchor = SkinAnchor(window);
    // The client origin, not the window origin, so bordered controls line up.
    POINT offset{0, 0};
    if (anchor != window) {
        ::ClientToScreen(window, &offset);
        ::ScreenToClient(anchor, &offset);
    }
    win::CMemoryDC source(dc);
    win::CSelectObject select(source.Get(), skin);
    ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.Get(), area.left + offset.x,
             area.top + offset.y, SRCCOPY);
    return TRUE;
}

bool CDialogB::IsButtonChecked(const win::CButton& button)
{
    return button.GetCheck() == BST_CHECKED;
}

void CDialogB::SetButtonChecked(const win::CButton& button, bool on)
{
    button.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
}

bool CDialogB::AppendControlToMenu(HMENU menu, int controlId, bool enabled)
{
    HWND control = GetItem(controlId);
    if (control == nullptr || menu == nullptr) return false;
    wchar_t text[MenuTextCapacity] = {};
    ::GetWindowTextW(control, text, static_cast<int>(MenuTextCapacity));
    UINT flags = MF_STRING | (enabled ? MF_ENABLED : (MF_GRAYED | MF_DISABLED));
    return ::AppendMenuW(menu, flags, static_cast<UINT_PTR>(controlId), text) != FALSE;
}

HMENU CDialogB::GetListBoxContextMenu(const win::CListBox& list, UINT menuId, int index)
{
    POINT client{};
    if (!CursorInWindow(list.Handle(), client)) return nullptr;
    int row = list.ItemFromPoint(client);
    if (row >= 0) list.SetCurSel(row);
    if (!contextMenu_.Load(menuId) || index >= contextMenu_.GetItemCount()) return nullptr;
    HMENU submenu = contextMenu_.GetSubMenu(index);
    TranslateMenu(submenu);
    return submenu;
}

HMENU CDialogB::GetListCtrlContextMenu(const win::CListCtrl& list, UINT menuId, int index)
{
    POINT client{};
    if (!CursorInWindow(list.Handle(), client)) return nullptr;
    client.y -= 2;
    int row = list.HitTest(client, nullptr);
    if (row >= 0 && row < list.GetItemCount()) {
        list.EnsureVisible(row);
        list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list.Send(LVM_SETSELECTIONMARK, 0, row);
    }
    if (!contextMenu_.Load(menuId) || index >= contextMenu_.GetItemCount()) return nullptr;
    return contextMenu_.GetSubMenu(index);
}

HMENU CDialogB::ShowListCtrlContextMenu(const win::CListCtrl& list, UINT menuId, int index)
{
    HMENU submenu = GetListCtrlContextMenu(list, menuId, index);
    if (submenu == nullptr) return nullptr;
    TranslateMenu(submenu);
    TrackContextMenu(submenu);
    return submenu;
}

void CDialogB::TrackContextMenu(HMENU menu)
{
    if (menu == nullptr) return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
}
