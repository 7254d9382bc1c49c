#pragma once
// The country player list of the squad window: every club player of the
// database, narrowed by continent, country, league level or league and
// position, with a value column of the user's choice. The selected player
// is reported to the frame; the context menu moves or releases him.

#include <cstdint>
#include <vector>

#include "editors/player_staff/model/squad/AllPlayersFilter.h"
#include "ui/base/DialogB.h"
#include "ui/lists/HVListCtrl.h"

class TCountry;
class TPerson;

class CDlgPlayerListComplete : public CDialogB, public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    static constexpr UINT ListRefresh = WM_APP + 1;
    static constexpr UINT PersonChosen = WM_APP + 5;
    static constexpr UINT ClubChosen = WM_APP + 6;

    explicit CDlgPlayerListComplete(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.PlayerlistComplete"; }

    void SetFrame(HWND frame) { frame_ = frame; }
    // Presets the continent and country filters to the country's; none
    // leaves them at "all".
    void SetCountry(const TCountry* country);
    void FillList();
    TPerson* GetCurrentPerson() const;
    int GetRowCount() const { return list_.GetItemCount(); }
    const AllPlayersFilter::TFilters& GetFilters() const { return filters_; }

    int Compare(int sortType, LPARAM item1, LPARAM item2) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    void AddColumns();
    void FillContinents();
    void FillCountries();
    void FillLeagues();
    void FillPositionsAndValues();
    void SelectRow(int row);
    void SetRowTexts(int row, std::uint32_t personId);
    void ShowCount();
    void KeepSelection();
    void OnContinentChange();
    void OnCountryChange();
    void OnLeagueChange();
    // The teams of the chosen level or league of the chosen country.
    void CollectLeagueTeams();
    void OnValueChange();
    void OnRowSelected(int row);
    void ShowContextMenu();
    void MovePlayer();
    void ReleasePlayer();
    void RequestStore() const;
    std::uint32_t SelectedValue(int id) const;

    Halvane::MFC::CHVListCtrl list_;
    AllPlayersFilter::TFilters filters_;
    AllPlayersFilter rows_;
    std::vector<TTeamId> leagueTeams_;
    std::uint32_t personId_ = 0;
    HWND frame_ = nullptr;
    int valueMode_ = AllPlayersFilter::Level;
    int ability_ = 0;
    int refillDepth_ = 0;
};
