#pragma once
// The match calendar of one country for both seasons, a row per day and a
// column per competition: clicks place and remove match days (one league,
// all leagues or one level), a combo picks a country to compare with, and
// OK checks both seasons, staying open on errors unless the user ignores
// them. Clicks change the competitions at once; Cancel undoes nothing.

#include <memory>
#include <string>

#include "ui/base/DialogB.h"
#include "ui/lists/ListCtrlEx.h"
#include "win/ComboBox.h"

class SeasonCalendarModel;
class TCountry;

class CDlgCalender : public CDialogB {
public:
    CDlgCalender(TCountry* country, HWND parent = nullptr);
    ~CDlgCalender() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Calendar"; }
    // True when the dialog may close.
    bool CheckCalendar(bool reportSuccess);
    SeasonCalendarModel* GetModel() const { return model_.get(); }
    CListCtrlEx& GetGrid() { return grid_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The message dialog's answer: 1 stays, 2 closes. Tests answer it.
    virtual INT_PTR ShowCheckResult(const std::u16string& header, const std::u16string& body, bool success);

private:
    void AddColumns();
    void WidenRoundColumn();
    void FillCompareCombo();
    void ShowSeason();
    void FillGrid();
    void RefreshCells();
    void OnCellClick(int row, int column);
    void OnCompareChanged();
    void OnSeasonScroll(int code, int thumb);
    void ShowDayInCaption(int day);
    void UpdateMaster();
    void CheckMaster();

    TCountry* country_;
    std::unique_ptr<SeasonCalendarModel> model_;
    CListCtrlEx grid_;
    win::CComboBox compare_;
    int seasonPosition_ = 0;
};
