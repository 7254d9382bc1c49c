#pragma once
// The editor's main window, run modally for the whole life of the program:
// it loads the database into a new world and shows the federations, the
// countries of the chosen federation, the clubs of the chosen country with
// their figures, and statistics of the country and of the world.

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "app/ClubListEntry.h"
#include "app/MainStatistics.h"
#include "ui/base/DialogB.h"
#include "ui/lists/HVListCtrl.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/controls/MyListBox.h"
#include "ui/skin/MyStaticControl.h"
#include "win/ComboBox.h"
#include "win/Gdi.h"

class TClub;
class TCountry;

class DlgMainMenu : public CDialogB, public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    static constexpr int MaxClubRows = 512;
    static constexpr int FederationCount = 6;
    static constexpr int StatisticCount = 14;
    enum SortType { SortName = 0, SortLeague, SortRating, SortBestEleven, SortAge, SortPlayers };

    explicit DlgMainMenu(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Main"; }

    void FillCountryList();
    void FillClubList();
    void UpdateStatistics();
    void RefreshFromWorld();
    // The TTeamId of the selected club row; 0 when none.
    std::uint32_t GetSelectedClubId() const;
    int GetSelectedCountryId() const;
    int GetCurrentFederation() const { return federation_; }
    int GetCurrentCountry() const { return country_; }
    int Compare(int sortType, LPARAM item1, LPARAM item2) override;
    // The club of the selected row; null when none.
    TClub* GetSelectedClub() const;
    // FillClubList followed by UpdateStatistics.
    void Refresh();
    // The close handling: asks before it ends the window unless a restart
    // is pending or the window never loaded its world.
    void Close();
    // The file chosen in a file dialog, empty when the user cancelled; a
    // seam for the tests, which cannot click through the system's dialog.
    virtual std::u16string ChooseFile(bool open, const char16_t* extension, const char16_t* filter,
                                      const std::u16string& title, const std::u16string& defaultName);
    // The name typed into the new-club dialog; false when cancelled.
    virtual bool AskNewClubName(std::u16string& name);
    // Shows the club list's context menu at the cursor, its items enabled.
    virtual void TrackClubMenu(HMENU menu) { TrackContextMenu(menu); }

    // The figures of a panel: over the listed clubs of a country (its
    // national team included), or over every club but the national teams of countries 1 to
    // 206.
    static MainStatistics CountryStatistics(const TCountry& country, const std::vector<const TClub*>& listed);
    static MainStatistics WorldStatistics();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool LoadDatabase();
    void ChooseDefaultCountry();
    void FillFederationCombo();
    void StartRenderer();
    void SetUpClubList();
    void ShowBanner();
    void OnFederationChanged();
    void OnCountryChanged();
    void SetCurrentCountry(int id);
    void SelectClubRow(std::uint32_t clubId, int topRow);
    void ShowStatistics(const int (&ids)[StatisticCount], const MainStatistics& figures);
    // Commands, one handler each.
    struct Command;
    static const Command* FindCommand(int id);
    void EnableCommands();
    bool RunCommand(int id);
    void OnClubSettings();
    void OnSquad();
    void OnCountryEditor();
    void OnContinents();
    void OnNationalTeam();
    void OnPlayerSearch();
    void OnPlayersWithoutClub();
    void OnDuplicatePlayers();
    void OnCountryPlayerList();
    void OnQuickTransfer();
    void OnLocalisedNames();
    void OnTowns();
    void OnCountryListTool();
    void OnContractCheck();
    void OnBadgeCheck();
    void OnProblemChecker();
    void OnSave();
    void OnExportIntoGame();
    void OnRestore();
    void OnSnapshotImport();
    void OnSnapshotExport();
    void OnClubExport();
    void OnClubImport();
    void OnNewClub();
    void OnDeleteClub();
    void OnClearSquad();
    void OnClubContextMenu();
    std::u16string SnapshotFile(bool open);
    TCountry* CurrentCountry() const;

    win::CComboBox federationCombo_;
    CMyListBox countryList_;
    std::array<CMyStaticControl, 2 * StatisticCount> statistics_;
    std::array<CMyGroupBox, 7> groups_;
    Halvane::MFC::CHVListCtrl clubList_;
    win::CBitmap banner_;
    std::vector<ClubListEntry> rows_;
    int federation_ = 0;
    int country_ = 0;
    std::array<int, FederationCount> rememberedSelection_{};
    std::array<int, FederationCount> rememberedTopRow_{};
    std::u16string countryGroupCaption_;
    bool loaded_ = false;
    std::timed_mutex exportMutex_;
};
