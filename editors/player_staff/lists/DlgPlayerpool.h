#pragma once
// The "FreeAgent" page of the country editor: the entries of the country's
// player pool in use, created in a free entry, edited and freed again. The
// pool changes at once.

#include <memory>

#include "editors/player_staff/lists/CountryListEditPage.h"
#include "editors/player_staff/model/lists/PoolPageModel.h"
#include "win/ListCtrl.h"

class TCountry;
class TPoolPlayer;

class CDlgPlayerpool : public CCountryListEditPage {
public:
    explicit CDlgPlayerpool(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Playerpool"; }
    void FillList(TCountry* country) override;
    const PoolPageModel& GetPool() const { return pool_; }

protected:
    BOOL OnInitDialog() override;
    void NewEntry() override;
    void EditSelected() override;
    void DeleteSelected() override;
    void SortByColumn(int column) override;
    bool HasSelection() const override;

private:
    void ShowRows(const TPoolPlayer* selected);
    TPoolPlayer* SelectedEntry() const;
    bool RunEntryDialog(TPoolPlayer& entry);

    win::CListCtrl list_;
    PoolPageModel pool_;
};

// The page as a child of the country editor's frame, created and hidden.
std::unique_ptr<CDlgPlayerpool> CreatePlayerpoolPage(HWND frame);
