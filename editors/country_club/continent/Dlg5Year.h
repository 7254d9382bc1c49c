#pragma once
// The five-year assessment of the European countries: the ranked list of
// their coefficients, a change dialog per country, and the table file's
// import and export. Changes go into the country records at once.

#include <string>

#include "editors/country_club/model/continent/AssessmentTable.h"
#include "ui/base/DialogB.h"
#include "ui/lists/HVListCtrl.h"

class CDlg5Year : public CDialogB {
public:
    class CCountryListSorter : public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
    public:
        explicit CCountryListSorter(AssessmentTable& table) : table_(table) {}
        int Compare(int sortType, LPARAM item1, LPARAM item2) override
        {
            return table_.Compare(sortType, static_cast<int>(item1), static_cast<int>(item2));
        }

    private:
        AssessmentTable& table_;
    };

    explicit CDlg5Year(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Assessment"; }
    Halvane::MFC::CHVListCtrl& GetList() { return list_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // The file dialogs; an empty path when the user cancelled.
    virtual std::u16string ChooseFile(bool open);
    // The change dialog for a country; true when it ended with OK and stored.
    virtual bool ChangeCountry(TCountry& country);

private:
    void AddColumns();
    void FillList();
    void AddRow(int id);
    int SelectedCountry() const;
    void OnDoubleClick();
    void Import();
    void Export();

    Halvane::MFC::CHVListCtrl list_;
    AssessmentTable table_;
    CCountryListSorter sorter_{table_};
};
