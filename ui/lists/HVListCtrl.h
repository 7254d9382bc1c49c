#pragma once
// A report list whose columns sort by up to three sort keys when their
// header is clicked. The rows' item data are keys that a caller-supplied
// comparison object resolves; the list itself knows nothing about them.

#include <string>

#include "win/ListCtrl.h"

namespace Halvane::MFC {

class CHVListCtrl : public win::CListCtrl {
public:
    static constexpr int MaxColumns = 32;
    static constexpr int NoSortType = -1;

    class ISortTypeCompare {
    public:
        // Negative, zero or positive for item1 before, equal to or after
        // item2 in ascending order of the sort type.
        virtual int Compare(int sortType, LPARAM item1, LPARAM item2) = 0;
        virtual bool PreSort(CHVListCtrl* list) { return true; }
        virtual void PostSort(CHVListCtrl* list) {}

    protected:
        ~ISortTypeCompare() = default;
    };

    // The index of the new column, or -1 when all columns are used.
    int AddColumn(const char16_t* heading, int format, int widthWeight);
    void SetColumnSortTypes(int column, int type1, int type2, int type3);
    void SetSortHandler(ISortTypeCompare* handler) { sortHandler_ = handler; }
    ISortTypeCompare* GetSortHandler() const { return sortHandler_; }
    int GetSortColumn() const { return sortColumn_; }
    bool IsSortAscending() const { return ascending_; }
    int GetCurrentSortType(int index) const;
    int GetAddedColumnCount() const { return columnCount_; }

    using win::CListCtrl::InsertItem;
    // Appends a row; -1 when the list refuses it.
    int InsertItem(const char16_t* text, LPARAM itemData);
    bool SetItemInt(int row, int column, int value);
    bool SetItemFloat(int row, int column, float value, int decimals);

    // Shares the client width among the columns by their weights.
    void AutoSizeColumns(bool verticalScrollBar);
    // The same, but a column whose heading or widest cell needs more than
    // its share gets what it needs (FitListColumns); for a list whose cells
    // are names that must be read whole.
    void FitColumnsToTexts(bool verticalScrollBar);
    void Sort(int column, bool ascending);
    void Resort() { Sort(sortColumn_, ascending_); }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Column {
        int sortTypes[3];
        int weight;
    };
    // The client width the columns share, less a vertical scroll bar's.
    int SharedWidth(bool verticalScrollBar) const;
    static int CALLBACK CompareRows(LPARAM item1, LPARAM item2, LPARAM list);
    int CompareBySortColumn(LPARAM item1, LPARAM item2);
    void OnHeaderClick(int column);

    int columnCount_ = 0;
    Column columns_[MaxColumns] = {};
    ISortTypeCompare* sortHandler_ = nullptr;
    int sortColumn_ = -1;
    bool ascending_ = false;
    // A comparison that threw during the system's sort, reported after it.
    bool sortFailed_ = false;
    std::string sortFailure_;
};

}  // namespace Halvane::MFC
