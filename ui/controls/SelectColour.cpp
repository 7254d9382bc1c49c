#include "ui/controls/SelectColour.h"

#include "core/text/Format.h"
#include "core/files/TabbedConfig.h"
#include "database/club/ReferenceLists.h"
#include "win/Gdi.h"
#include "win/WideText.h"

COLORREF CSelectColour::FromRgb(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void CSelectColour::FillFromRows(const std::vector<Row>& rows, std::uint32_t selected)
{
    SetRedraw(false);
    ResetContent();
    int number = 0;
    for (const Row& row : rows) {
        ++number;
        std::u16string name = showNumbers_ ? Format(u"%02d - %s", number, row.name) : row.name;
        int index = AddColour(name.c_str(), {row.value, row.colour1, row.colour2, row.twoColours});
        if (index >= 0 && row.value == selected) SetCurSel(index);
    }
    SetRedraw(true);
    Invalidate();
}

void CSelectColour::FillFromColourList(const CTeamColourTextFile& list, std::uint32_t selected, int mode)
{
    const bool two = mode == 1;
    std::vector<Row> rows;
    for (std::int32_t i = 0; i < list.GetCount(); ++i) {
        const char16_t* name = list.GetText(i);
        rows.push_back({static_cast<std::uint32_t>(i), name != nullptr ? name : u"", FromRgb(list.GetColour(i, 0)),
                        two ? FromRgb(list.GetColour(i, 1)) : 0, two});
    }
    FillFromRows(rows, selected);
}

void CSelectColour::FillFromTable(const CTabbedConfig& table, std::uint32_t selectedId, int colourColumn,
                                  int secondColumn)
{
    std::vector<Row> rows;
    for (int i = 0; i < table.GetRecordCount(); ++i) {
        const TTabbedConfigRecord* record = table.GetRecordAt(i);
        const char16_t* name = record->GetWorldText();
        auto colour = [record](int column) {
            return FromRgb(static_cast<std::uint32_t>(record->GetColumnInt(column, 16)));
        };
        bool two = secondColumn >= 0;
        rows.push_back({static_cast<std::uint32_t>(record->GetId()), name != nullptr ? name : u"", colour(colourColumn),
                        two ? colour(secondColumn) : 0, two});
    }
    FillFromRows(rows, selectedId);
}

int CSelectColour::AddColour(const char16_t* name, const ColourRecord& record)
{
    int index = AddString(name);
    if (index < 0) return -1;
    records_.push_back(std::make_unique<ColourRecord>(record));
    SetItemData(index, reinterpret_cast<LPARAM>(records_.back().get()));
    return index;
}

const CSelectColour::ColourRecord* CSelectColour::Record(int item) const
{
    if (item < 0 || item >= GetCount()) return nullptr;
    LPARAM data = GetItemData(item);
    if (data == CB_ERR || data == 0) return nullptr;
    return reinterpret_cast<const ColourRecord*>(data);
}

std::uint32_t CSelectColour::GetItemValue(int item) const
{
    const ColourRecord* record = Record(item);
    return record != nullptr ? record->value : 0;
}

std::uint32_t CSelectColour::GetSelectedValue(std::uint32_t defaultValue) const
{
    int selected = GetCurSel();
    return selected < 0 ? defaultValue : GetItemValue(selected);
}

bool CSelectColour::SelectByValue(std::uint32_t value) const
{
    for (int i = 0; i < GetCount(); ++i) {
        const ColourRecord* record = Record(i);
        if (record != nullptr && record->value == value) {
            SetCurSel(i);
            return true;
        }
    }
    return false;
}

bool CSelectColour::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DELETEITEM) {
        auto* record = reinterpret_cast<ColourRecord*>(reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->itemData);
        std::erase_if(records_, [record](const auto& held) { return held.get() == record; });
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

void CSelectColour::DrawItem(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    const RECT& box = item.rcItem;
    int width = box.right - box.left;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    if (selected) text ^= 0xFFFFFF;
    win::CBrush background(::CreateSolidBrush(::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW)));
    ::FillRect(dc, &box, background.Get());
    if ((item.itemState & ODS_FOCUS) != 0) ::DrawFocusRect(dc, &box);
    int index = static_cast<int>(item.itemID);
    const ColourRecord* record = Record(index);
    if (index < 0 || record == nullptr) return;
    bool disabled = !IsEnabled();
    COLORREF colour1 = record->colour1;
    COLORREF colour2 = record->twoColours ? record->colour2 : record->colour1;
    if (disabled) colour1 = colour2 = text = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);

    std::u16string name = GetItemText(index);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    ::TextOutW(dc, box.left + width / 4 + 2, box.top + 2, win::W(name), static_cast<int>(name.size()));

    RECT swatch{box.left + 2, box.top + 2, box.left + width / 4, box.bottom - 2};
    if (swatch.right <= swatch.left || swatch.bottom <= swatch.top) return;
    win::CBrush first(::CreateSolidBrush(colour1));
    win::CBrush second(::CreateSolidBrush(colour2));
    if (record->twoColours && !disabled) {
        // Split at the swatch's own middle: the middle of the whole item lies
        // beyond the swatch and would hide the second colour.
        RECT left = swatch;
        left.right = (swatch.left + swatch.right) / 2;
        ::FillRect(dc, &left, first.Get());
        RECT right = swatch;
        right.left = left.right;
        if (right.right > right.left) ::FillRect(dc, &right, second.Get());
    } else {
        ::FillRect(dc, &swatch, first.Get());
    }
    ::FrameRect(dc, &swatch, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}
