#pragma once
// Picks a club, a reserve team or a national team by country. Callers read
// the selected id only when the picker ends with OK.

#include "database/club/Club.h"
#include "editors/country_club/model/club/PickerLists.h"
#include "ui/base/DialogB.h"
#include "win/ListBox.h"

class CDlgChooseClub : public CDialogB {
public:
    explicit CDlgChooseClub(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.ClubSelect"; }

    // Before the window exists these only store.
    void SetSelectedClubId(TTeamId id);
    void SetCountry(int country);
    void SetContinentFilter(int continent);
    void ClearContinentFilter() { SetContinentFilter(-1); }
    void SetCountryFilter(int country);
    void ClearCountryFilter() { SetCountryFilter(-1); }
    void SetNationalTeams(bool on);
    void SetIncludeReserveTeams(bool on);

    void GetSelectedClubId(TTeamId& id) const { id = selected_; }
    const TTeamId& GetSelectedClubIdRef() const { return selected_; }
    TClub* GetSelectedClub() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillCountries();
    void FillClubs();

    win::CListBox countries_;
    win::CListBox clubs_;
    TTeamId selected_ = 0;
    int country_ = 0;
    TCountryFilter filter_;
    bool nationalTeams_ = false;
    bool includeReserveTeams_ = true;
};

// Fills a list box with picker rows and scrolls the selection into the
// third visible row.
void FillPickerList(const win::CListBox& list, const TPickerRows& rows);
