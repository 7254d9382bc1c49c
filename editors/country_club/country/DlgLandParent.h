#pragma once
// The window in which one country is edited: its pages on a tab control,
// each filled from the country when its tab is shown and written back when
// the tab is left and on OK. Cancel keeps what earlier tab changes wrote.

#include <array>
#include <memory>

#include "editors/country_club/country/CountryHostedPages.h"
#include "editors/country_club/country/DlgLand.h"
#include "editors/country_club/country/DlgLandCup.h"
#include "editors/country_club/country/DlgLandLeaguesystem.h"
#include "editors/country_club/country/DlgLandYouthplayer.h"
#include "ui/base/DialogB.h"
#include "ui/skin/SkinnedTabCtrl.h"

class TCountry;

class CDlgLandParent : public CDialogB {
public:
    // The codes by which a page is loaded and stored.
    enum PageCode { General = 1, LeagueSystem = 2, Cup = 3, FreeAgent = 6, Referee = 7, Manager = 9, Appearance = 10 };

    CDlgLandParent(TCountry* country, HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Parent"; }
    int GetCurrentTab() const { return currentTab_; }
    int GetPageCode(int tab) const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    struct TPageEntry {
        CDialogB* page;
        UINT templateId;
        TextKey title;
        int code;
    };
    static constexpr int MaxTabs = 7;

    void CreateHostedPages();
    void AddPage(int tab, CDialogB& page, UINT templateId, const char16_t* title, int code);
    CDialogB* CurrentPage() const;
    void LoadCurrentPage();
    bool StoreCurrentPage();
    void ShowCurrentPage();
    void HideCurrentPage();
    void OnSelectionChanging();
    void OnSelectionChanged();

    CSkinnedTabCtrl tabs_;
    TCountry* country_;
    CDlgLand general_;
    CDlgLandLeaguesystem leagues_;
    CDlgLandCup cups_;
    CDlgLandYouthplayer appearance_;
    std::unique_ptr<CCountryListPage> pool_;
    std::unique_ptr<CCountryListPage> referees_;
    std::unique_ptr<CCountryListPage> staff_;
    int currentTab_ = -1;
    int refusedTab_ = 0;
    std::array<int, MaxTabs> codes_{};
    int tabCount_ = 0;
};
