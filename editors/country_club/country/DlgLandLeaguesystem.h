#pragma once
// The country editor's league system page: the pyramid as a list of levels
// and leagues, the choice of a league script or a predefined system, which
// applies at once after the user agreed to what it deletes, the level
// names and each league's data.

#include "database/country/CompetitionRegistry.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/controls/MyListBox.h"
#include "ui/skin/MyStaticControl.h"

class TCountry;

class CDlgLandLeaguesystem : public CDialogB {
public:
    explicit CDlgLandLeaguesystem(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Leaguesystem"; }

    // The frame hands the country over before the page's window exists.
    void SetCountry(TCountry* country) { country_ = country; }
    void LoadCountry(TCountry* country);
    void StoreCountry();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillSystemCombo();
    void FillScriptCombo();
    void FillLeagueTree();
    void ShowTeamTotal();
    void OnUpdateChanges();
    void OnScriptChanged();
    void OnTreeSelect();
    void OpenFixtures();
    void OpenComposition();
    void OpenCalendar();
    void OnRenameLevel(int level);
    void OnLeagueData(std::uint32_t id);
    int CurrentSystem();

    TCountry* country_ = nullptr;
    TLevelBytes choices_{};
    win::CComboBox scripts_;
    win::CComboBox systems_;
    CMyListBox tree_;
    CMyStaticControl teamTotal_;
    CMyGroupBox group_;
};
