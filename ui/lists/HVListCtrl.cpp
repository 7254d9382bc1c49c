#include "ui/lists/HVListCtrl.h"

#include <algorithm>
#include <vector>

#include "core/text/TextManager.h"
#include "ui/lists/ListColumnFit.h"
#include "win/HandlerGuard.h"

namespace Halvane::MFC {

namespace {

constexpr int InitialColumnWidth = 64;
constexpr std::size_t NumberCapacity = 64;

}  // namespace

int CHVListCtrl::AddColumn(const char16_t* heading, int format, int widthWeight)
{
    if (columnCount_ >= MaxColumns) return -1;
    int index = InsertColumn(columnCount_, heading, format, InitialColumnWidth, columnCount_);
    if (index < 0) return index;
    columns_[columnCount_] = Column{{NoSortType, NoSortType, NoSortType}, widthWeight};
    ++columnCount_;
    return index;
}

void CHVListCtrl::SetColumnSortTypes(int column, int type1, int type2, int type3)
{
    if (column < 0 || column >= columnCount_) return;
    columns_[column].sortTypes[0] = type1;
    columns_[column].sortTypes[1] = type2;
    columns_[column].sortTypes[2] = type3;
}

int CHVListCtrl::GetCurrentSortType(int index) const
{
    if (sortColumn_ < 0 || sortColumn_ >= columnCount_) return NoSortType;
    return columns_[sortColumn_].sortTypes[std::clamp(index, 0, 2)];
}

int CHVListCtrl::InsertItem(const char16_t* text, LPARAM itemData)
{
    int row = InsertItem(GetItemCount(), text);
    if (row < 0) return -1;
    SetItemData(row, itemData);
    return row;
}

bool CHVListCtrl::SetItemInt(int row, int column, int value)
{
    char16_t text[NumberCapacity];
    CTextManager::Instance()->FormatInt(value, text, NumberCapacity);
    return SetItemText(row, column, text);
}

bool CHVListCtrl::SetItemFloat(int row, int column, float value, int decimals)
{
    char16_t text[NumberCapacity];
    CTextManager::Instance()->FormatFloat(value, decimals, text, NumberCapacity);
    return SetItemText(row, column, text);
}

void CHVListCtrl::AutoSizeColumns(bool verticalScrollBar)
{
    long long weightSum = 0;
    for (int i = 0; i < columnCount_; ++i) weightSum += columns_[i].weight;
    if (weightSum == 0) return;
    const long long width = SharedWidth(verticalScrollBar);
    for (int i = 0; i < columnCount_; ++i) SetColumnWidth(i, static_cast<int>(columns_[i].weight * width / weightSum));
}

void CHVListCtrl::FitColumnsToTexts(bool verticalScrollBar)
{
    std::vector<int> weights;
    for (int i = 0; i < columnCount_; ++i) weights.push_back(columns_[i].weight);
    FitListColumns(*this, weights, SharedWidth(verticalScrollBar));
}

int CHVListCtrl::SharedWidth(bool verticalScrollBar) const
{
    const RECT client = GetClientRect();
    return client.right - client.left - (verticalScrollBar ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
}

void CHVListCtrl::Sort(int column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    SetRedraw(false);
    if (sortHandler_ != nullptr) sortHandler_->PreSort(this);
    sortFailed_ = false;
    SortItems(&CHVListCtrl::CompareRows, reinterpret_cast<LPARAM>(this));
    if (sortFailed_) win::ReportHandlerFailure(sortFailure_.c_str());
    if (sortHandler_ != nullptr) sortHandler_->PostSort(this);
    SetRedraw(true);
    ::SetCursor(previous);
}

int CALLBACK CHVListCtrl::CompareRows(LPARAM item1, LPARAM item2, LPARAM list)
{
    auto* self = reinterpret_cast<CHVListCtrl*>(list);
    if (self == nullptr || self->sortFailed_) return 0;
    // The system's sort calls this: an exception must not unwind through
    // it, and one report after the sort is enough for all its comparisons.
    try {
        return self->CompareBySortColumn(item1, item2);
    } catch (const std::exception& failure) {
        self->sortFailure_ = failure.what();
    } catch (...) {
        self->sortFailure_ = "unknown exception";
    }
    self->sortFailed_ = true;
    return 0;
}

int CHVListCtrl::CompareBySortColumn(LPARAM item1, LPARAM item2)
{
    if (sortHandler_ == nullptr || sortColumn_ < 0 || sortColumn_ >= columnCount_) return 0;
    const int* types = columns_[sortColumn_].sortTypes;
    int result = 0;
    for (int i = 0; i < 3 && types[i] != NoSortType; ++i) {
        result = sortHandler_->Compare(types[i], item1, item2);
        if (result != 0) break;
    }
    return ascending_ ? result : -result;
}

void CHVListCtrl::OnHeaderClick(int column)
{
    if (column < 0 || column >= columnCount_ || sortHandler_ == nullptr) return;
    bool ascending = column == sortColumn_ ? !ascending_ : true;
    Sort(column, ascending);
}

bool CHVListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_NOTIFY && lParam != 0) {
        const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
        if (header->hdr.code == HDN_ITEMCLICKW || header->hdr.code == HDN_ITEMCLICKA) {
            OnHeaderClick(header->iItem);
            result = 0;
            return true;
        }
    }
    return win::CListCtrl::OnMessage(message, wParam, lParam, result);
}

}  // namespace Halvane::MFC
