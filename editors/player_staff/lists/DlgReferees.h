#pragma once
// The "Referee" page of the country editor: the country's referees, added
// under the lowest free id, edited and deleted. The map changes at once.

#include <memory>

#include "editors/player_staff/lists/CountryListEditPage.h"
#include "editors/player_staff/model/lists/RefereeList.h"
#include "win/ListCtrl.h"

class TCountry;

class CDlgReferees : public CCountryListEditPage {
public:
    explicit CDlgReferees(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Referee"; }
    void FillList(TCountry* country) override;
    const RefereeList& GetReferees() const { return referees_; }

protected:
    BOOL OnInitDialog() override;
    void NewEntry() override;
    void EditSelected() override;
    void DeleteSelected() override;
    void SortByColumn(int column) override;
    bool HasSelection() const override;
    // Runs the referee dialog on the copy; true on OK. Tests answer it.
    virtual bool EditReferee(TReferee& copy);

private:
    void ShowRows(int selectedId);
    int SelectedId() const;

    win::CListCtrl list_;
    RefereeList referees_;
};

// The page as a child of the country editor's frame, created and hidden.
std::unique_ptr<CDlgReferees> CreateRefereesPage(HWND frame);
