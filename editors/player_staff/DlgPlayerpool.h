#pragma once
// The "FreeAgent" page of the country editor: the entries of the country's
// player pool in use, created in a free entry, edited and freed again. The
// pool changes at once.

#include <memory>

#include "editors/country_club/CountryHostedPages.h"
#include "editors/player_staff/model/PoolPageModel.h"
#include "win/ListCtrl.h"

class TCountry;
class TPoolPlayer;

class CDlgPlayerpool : public CCountryListPage {
public:
    explicit CDlgPlayerpool(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Playerpool"; }
    void FillList(TCountry* country) override;
    const PoolPageModel& GetPool() const { return pool_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    virtual void TrackListMenu(HMENU menu) { TrackContextMenu(menu); }

private:
    void ShowRows(const TPoolPlayer* selected);
    TPoolPlayer* SelectedEntry() const;
    bool RunEntryDialog(TPoolPlayer& entry);
    void NewEntry();
    void EditSelected();
    void DeleteSelected();
    void ShowListMenu();

    win::CListCtrl list_;
    PoolPageModel pool_;
};

// The page as a child of the country editor's frame, created and hidden.
std::unique_ptr<CDlgPlayerpool> CreatePlayerpoolPage(HWND frame);
