#include "ui/controls/ColorComboCtrl.h"

#include <string>

#include "core/text/TextTools.h"
#include "tools/ValueText.h"
#include "win/WideText.h"

namespace Halvane::MFC {

namespace {

// Items store a record pointer; an item without one stores 0 (or the
// combo's error value for a bad index).
bool IsRecordData(LRESULT data)
{
    return data != 0 && data != CB_ERR;
}

void FillRect(HDC dc, const TValueRect& rect, COLORREF colour)
{
    const RECT area = {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &area, brush);
    ::DeleteObject(brush);
}

}  // namespace

void CColorComboCtrl::PreSubclassWindow()
{
    Send(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ItemHeight);
}

int CColorComboCtrl::AddItem(const char16_t* text)
{
    return Insert(text, nullptr);
}

int CColorComboCtrl::AddItem(const char16_t* text, COLORREF c1)
{
    return AddRecord(text, {{c1, 0, 0}, 1, 0});
}

int CColorComboCtrl::AddItem(const char16_t* text, COLORREF c1, COLORREF c2)
{
    return AddRecord(text, {{c1, c2, 0}, 2, 0});
}

int CColorComboCtrl::AddItem(const char16_t* text, COLORREF c1, COLORREF c2, COLORREF c3)
{
    return AddRecord(text, {{c1, c2, c3}, 3, 0});
}

int CColorComboCtrl::AddRecord(const char16_t* text, const TColourRecord& record)
{
    if (text == nullptr) return -1;
    auto* owned = new TColourRecord(record);
    const int item = Insert(text, owned);
    if (item < 0) delete owned;
    return item;
}

int CColorComboCtrl::Insert(const char16_t* text, TColourRecord* record)
{
    if (text == nullptr) return -1;
    const std::u16string cut = std::u16string(text).substr(0, ItemTextMax);
    const int item = (GetStyle() & CBS_SORT) != 0 ? InsertString(SortedPosition(cut, record), cut.c_str())
                                                  : AddString(cut.c_str());
    if (item < 0) return -1;
    if (record != nullptr) SetItemData(item, reinterpret_cast<LPARAM>(record));
    return item;
}

// The sort style's order is kept here rather than left to the system, whose
// own order neither collates accents nor knows the records: texts in the
// collated order, items without a record after those with one, and a new
// item behind the items it equals.
int CColorComboCtrl::SortedPosition(const std::u16string& text, const TColourRecord* record) const
{
    const int count = GetCount();
    for (int item = 0; item < count; ++item) {
        const TColourRecord* other = Record(item);
        const int order = record == nullptr ? (other != nullptr ? 1 : 0)
                          : other == nullptr ? -1
                                             : CompareCollated(text.c_str(), GetItemText(item).c_str());
        if (order < 0) return item;
    }
    return -1;
}

CColorComboCtrl::TColourRecord* CColorComboCtrl::Record(int item) const
{
    if (item < 0 || item >= GetCount()) return nullptr;
    const LRESULT data = GetItemData(item);
    return IsRecordData(data) ? reinterpret_cast<TColourRecord*>(data) : nullptr;
}

std::uint32_t CColorComboCtrl::GetItemValue(int item) const
{
    const TColourRecord* record = Record(item);
    return record != nullptr ? record->value : 0;
}

int CColorComboCtrl::SetItemValue(int item, std::uint32_t value) const
{
    TColourRecord* record = Record(item);
    if (record == nullptr) return -1;
    record->value = value;
    return 0;
}

int CColorComboCtrl::GetItemColourCount(int item) const
{
    const TColourRecord* record = Record(item);
    return record != nullptr ? static_cast<int>(record->count) : 0;
}

COLORREF CColorComboCtrl::GetItemColour(int item, int index) const
{
    const TColourRecord* record = Record(item);
    if (record == nullptr || index < 0 || index >= static_cast<int>(record->count)) return 0;
    return record->colours[index];
}

bool CColorComboCtrl::SelectColour(COLORREF colour) const
{
    for (int item = 0; item < GetCount(); ++item) {
        const TColourRecord* record = Record(item);
        if (record != nullptr && record->count > 0 && record->colours[0] == colour) {
            SetCurSel(item);
            return true;
        }
    }
    return false;
}

void CColorComboCtrl::DrawItem(const DRAWITEMSTRUCT& draw) const
{
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw.itemState & ODS_DISABLED) != 0;
    const COLORREF background = ::GetSysColor(selected ? COLOR_HIGHLIGHT : disabled ? COLOR_INACTIVECAPTION : COLOR_WINDOW);
    const COLORREF foreground =
        ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : disabled ? COLOR_INACTIVECAPTIONTEXT : COLOR_WINDOWTEXT);
    const RECT& area = draw.rcItem;
    const TValueRect item = {area.left, area.top, area.right - area.left, area.bottom - area.top};
    FillRect(draw.hDC, item, background);
    if ((draw.itemState & ODS_FOCUS) != 0) ::DrawFocusRect(draw.hDC, &area);
    const int index = static_cast<int>(draw.itemID);
    if (draw.itemID == static_cast<UINT>(-1)) return;
    RECT textArea = area;
    if (const TColourRecord* record = Record(index); record != nullptr && record->count > 0) {
        const TColourSwatch swatch = LayoutColourSwatch(item, static_cast<int>(record->count));
        FillRect(draw.hDC, swatch.frame, foreground);
        for (std::size_t band = 0; band < swatch.bands.size(); ++band) FillRect(draw.hDC, swatch.bands[band], record->colours[band]);
        textArea.left = swatch.textLeft;
    }
    const std::u16string text = GetItemText(index);
    ::SetBkMode(draw.hDC, TRANSPARENT);
    ::SetTextColor(draw.hDC, foreground);
    ::DrawTextW(draw.hDC, win::W(text), -1, &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

bool CColorComboCtrl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_DELETEITEM: {
        const auto& item = *reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
        if (IsRecordData(static_cast<LRESULT>(item.itemData))) delete reinterpret_cast<TColourRecord*>(item.itemData);
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace Halvane::MFC
