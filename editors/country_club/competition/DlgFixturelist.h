#pragma once
// The fixture table of one league of a country, match day by match day:
// teams are picked from those not yet placed on the day, grid clicks free
// a side, buttons clear, fill from the template or copy the first half
// into the second. Every edit changes the league's table at once; OK checks
// the table and lets the user stay or close anyway.

#include <memory>

#include "ui/base/DialogB.h"
#include "ui/lists/ListCtrlEx.h"
#include "ui/controls/MyListBox.h"
#include "win/ListBox.h"

class FixtureListModel;
class TCountry;

class CDlgFixturelist : public CDialogB {
public:
    explicit CDlgFixturelist(HWND parent = nullptr);
    ~CDlgFixturelist() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.LeagueSchedule"; }
    void SetCountry(TCountry* country);
    FixtureListModel* GetModel() const { return model_.get(); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // 1 keeps the dialog open, 2 closes it; tests answer it themselves.
    virtual INT_PTR AskAboutErrors(const std::u16string& lines, int count);

private:
    // The team list takes Enter itself instead of the default button.
    class CTeamList : public win::CListBox {
    protected:
        bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    };

    void FillLeagues();
    void SelectLeague();
    void ShowMatchdayNumber();
    void ShowDay();
    void PlaceSelectedTeam();
    void OnMatchdayScroll(int code, int thumb);
    void CheckAndClose();

    CMyListBox leagues_;
    CListCtrlEx grid_;
    CTeamList teams_;
    TCountry* country_ = nullptr;
    std::unique_ptr<FixtureListModel> model_;
    // Set while the dialog fills its own controls.
    bool filling_ = false;
};
