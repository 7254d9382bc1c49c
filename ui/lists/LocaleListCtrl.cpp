#include "ui/lists/LocaleListCtrl.h"

#include <algorithm>
#include <vector>

#include "core/text/TextKey.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "ui/lists/ListColumnFit.h"
#include "ui/controls/ValueControlWindows.h"

namespace {

constexpr int EditorTextCapacity = 4096;

const TextKey ColumnKeys[1 + CLocaleListCtrl::Languages] = {
    u"Dialog.Control.LocaleListCtrl.Name"_tk,    u"Dialog.Control.LocaleListCtrl.German"_tk,
    u"Dialog.Control.LocaleListCtrl.English"_tk, u"Dialog.Control.LocaleListCtrl.French"_tk,
    u"Dialog.Control.LocaleListCtrl.Spain"_tk,   u"Dialog.Control.LocaleListCtrl.Italian"_tk,
    u"Dialog.Control.LocaleListCtrl.Polish"_tk};

bool IsLanguageColumn(int column)
{
    return column >= 1 && column <= CLocaleListCtrl::Languages;
}

// The messages after which the cells may stand elsewhere in the client
// area, and an open editor must follow its cell: the scroll bars, the
// wheel, the grid's own keys, a resize and header changes.
bool MovesCells(UINT message)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_SIZE:
    case WM_NOTIFY:
    case LVM_SCROLL:
    case LVM_ENSUREVISIBLE:
    case LVM_SETCOLUMNWIDTH:
    case WM_KEYDOWN:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool CLocaleListCtrl::CLocaleListEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_GETDLGCODE:
        result = DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        return true;
    case WM_KEYDOWN:
        if (wParam != VK_TAB) break;
        list_.MoveEditor((::GetKeyState(VK_SHIFT) & 0x8000) != 0);
        result = 0;
        return true;
    case WM_CHAR:
        if (wParam != u'\t') break;
        result = 0;
        return true;
    case WM_KILLFOCUS:
        list_.CommitEditor();
        break;
    default:
        break;
    }
    return win::CEdit::OnMessage(message, wParam, lParam, result);
}

CLocaleListCtrl::CLocaleListCtrl() : editor_(*this), texts_(CTextManager::Instance()) {}

void CLocaleListCtrl::PreSubclassWindow()
{
    SetStyle((GetStyle() & ~LVS_TYPEMASK) | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER);
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const int width = SharedWidth() / (Languages + 1);
    for (int column = 0; column <= Languages; ++column) {
        InsertColumn(column, texts_->GetText(ColumnKeys[column]), LVCFMT_LEFT, width, column);
    }
    const DWORD style = WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL;
    editor_.Subclass(Halvane::MFC::CreateCompanion(Handle(), L"EDIT", style, 0, EditorId, {0, 0, 0, 0}));
    editor_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), FALSE);
}

void CLocaleListCtrl::FitColumnsToTexts()
{
    FitListColumns(*this, std::vector<int>(Languages + 1, 1), SharedWidth());
}

int CLocaleListCtrl::SharedWidth() const
{
    // Room for a vertical scroll bar and the border.
    constexpr int ScrollBarRoom = 20;
    const RECT client = GetClientRect();
    return client.right - client.left - ScrollBarRoom;
}

int CLocaleListCtrl::AddRow(const char16_t* key, int maxLength)
{
    if (key == nullptr || *key == 0 || maxLength < 1) return -1;
    const char16_t* text = texts_->GetTextByHash(CTextManager::HashKey(key));
    if (text == nullptr) return -1;
    for (int slot = 0; slot < MaxRows; ++slot) {
        if (slots_[static_cast<std::size_t>(slot)] != 0) continue;
        const int row = InsertItem(GetItemCount(), text);
        if (row < 0) return -1;
        SetItemData(row, slot);
        slots_[static_cast<std::size_t>(slot)] = maxLength;
        return slot;
    }
    return -1;
}

int CLocaleListCtrl::FindRow(int slot) const
{
    if (slot < 0 || slot >= MaxRows || slots_[static_cast<std::size_t>(slot)] == 0) return -1;
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = slot;
    return static_cast<int>(Send(LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

int CLocaleListCtrl::SlotOfRow(int row) const
{
    if (row < 0 || row >= GetItemCount()) return -1;
    const int slot = static_cast<int>(GetItemData(row));
    return slot >= 0 && slot < MaxRows && slots_[static_cast<std::size_t>(slot)] != 0 ? slot : -1;
}

void CLocaleListCtrl::SetText(int slot, int language, const char16_t* text)
{
    const int row = FindRow(slot);
    if (row < 0 || language < 0 || language >= Languages || text == nullptr) return;
    win::CListCtrl::SetItemText(row, language + 1, text);
}

const char16_t* CLocaleListCtrl::GetText(int slot, int language)
{
    CommitEditor();
    const int row = FindRow(slot);
    if (row < 0 || language < 0 || language >= Languages) return nullptr;
    CopyText(buffer_, GetItemText(row, language + 1, TextCapacity), TextCapacity);
    return buffer_;
}

void CLocaleListCtrl::ClearTexts()
{
    CommitEditor();
    for (int row = 0; row < GetItemCount(); ++row) {
        for (int column = 1; column <= Languages; ++column) win::CListCtrl::SetItemText(row, column, u"");
    }
}

void CLocaleListCtrl::DeleteAllRows()
{
    CommitEditor();
    slots_.fill(0);
    DeleteAllItems();
}

RECT CLocaleListCtrl::RowArea() const
{
    RECT area = GetClientRect();
    area.top = std::max(area.top, win::RectIn(GetHeader(), Handle()).bottom);
    // The rows may begin a little below the header (the grid lines take a
    // strip there), and a row scrolled up into that strip is out of sight.
    RECT topRow{};
    if (GetSubItemRect(static_cast<int>(Send(LVM_GETTOPINDEX)), 0, topRow)) area.top = std::max(area.top, topRow.top);
    return area;
}

void CLocaleListCtrl::ScrollIntoView(int row, int column)
{
    EnsureVisible(row);
    RECT cell{};
    RECT wholeRow{};
    if (!GetSubItemRect(row, column, cell) || !GetSubItemRect(row, 0, wholeRow)) return;
    const RECT area = RowArea();
    // A row's first cell shows with the row's label beside it, when both
    // fit, so the user sees whose names a Tab into a new row reached.
    if (column == 1 && cell.right - wholeRow.left <= area.right - area.left) cell.left = wholeRow.left;
    // A cell wider than the rows' area shows from its left edge, where the
    // text starts.
    if (cell.right > area.right) ScrollSideways(std::min(cell.right - area.right, cell.left - area.left));
    else if (cell.left < area.left) ScrollSideways(cell.left - area.left);
}

RECT CLocaleListCtrl::ShownPart(int row, int column) const
{
    RECT cell{};
    RECT shown{};
    if (!GetSubItemRect(row, column, cell)) return shown;
    const RECT area = RowArea();
    ::IntersectRect(&shown, &cell, &area);
    return shown;
}

void CLocaleListCtrl::PlaceEditor()
{
    if (editor_.row < 0) return;
    const RECT shown = ShownPart(editor_.row, editor_.column);
    // An editor cut to nothing would keep the focus and take keys unseen.
    if (::IsRectEmpty(&shown)) {
        EndEdit();
        return;
    }
    ::MoveWindow(editor_.Handle(), shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, TRUE);
}

void CLocaleListCtrl::EndEdit()
{
    const bool focused = ::GetFocus() == editor_.Handle();
    CommitEditor();
    if (focused) ::SetFocus(Handle());
}

void CLocaleListCtrl::OpenEditor(int row, int column)
{
    const int slot = SlotOfRow(row);
    if (slot < 0 || !IsLanguageColumn(column)) return;
    ScrollIntoView(row, column);
    editor_.row = row;
    editor_.column = column;
    // The cell's text goes in first: placing the editor ends the edit when
    // its cell is out of sight, and that writes the editor's text back.
    editor_.SetLimitText(slots_[static_cast<std::size_t>(slot)]);
    editor_.SetText(GetItemText(row, column, EditorTextCapacity));
    PlaceEditor();
    editor_.Show(true);
    ::SetFocus(editor_.Handle());
    editor_.SetSel(0, -1);
}

void CLocaleListCtrl::CommitEditor()
{
    const int row = editor_.row;
    const int column = editor_.column;
    // Forget the cell first: hiding the editor may take its focus, which
    // would commit again.
    editor_.row = editor_.column = -1;
    if (SlotOfRow(row) >= 0 && IsLanguageColumn(column)) {
        win::CListCtrl::SetItemText(row, column, editor_.GetText().substr(0, EditorTextCapacity - 1).c_str());
    }
    if (editor_ && editor_.IsVisible()) editor_.Show(false);
}

void CLocaleListCtrl::MoveEditor(bool backwards)
{
    const int rows = GetItemCount();
    if (rows == 0 || editor_.row < 0) return;
    int row = editor_.row;
    int column = editor_.column + (backwards ? -1 : 1);
    if (column > Languages) {
        column = 1;
        row = (row + 1) % rows;
    } else if (column < 1) {
        column = Languages;
        row = (row + rows - 1) % rows;
    }
    CommitEditor();
    OpenEditor(row, column);
}

void CLocaleListCtrl::CopyToAllLanguages(int row, int column)
{
    CommitEditor();
    const std::u16string text = GetItemText(row, column, EditorTextCapacity);
    for (int language = 1; language <= Languages; ++language) win::CListCtrl::SetItemText(row, language, text.c_str());
}

bool CLocaleListCtrl::OnCellClick(LPARAM point, bool copy)
{
    int column = -1;
    const int row = SubItemHitTest({static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))}, &column);
    if (SlotOfRow(row) < 0 || !IsLanguageColumn(column)) return false;
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (copy) {
        CopyToAllLanguages(row, column);
    } else {
        CommitEditor();
        OpenEditor(row, column);
    }
    return true;
}

bool CLocaleListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if ((message == WM_LBUTTONDOWN && OnCellClick(lParam, false)) ||
        (message == WM_RBUTTONDOWN && (wParam & MK_CONTROL) != 0 && OnCellClick(lParam, true))) {
        result = 0;
        return true;
    }
    if (!MovesCells(message)) return win::CListCtrl::OnMessage(message, wParam, lParam, result);
    // The list moves its cells first; the editor follows.
    if (!win::CListCtrl::OnMessage(message, wParam, lParam, result)) result = DefaultProc(message, wParam, lParam);
    PlaceEditor();
    return true;
}
