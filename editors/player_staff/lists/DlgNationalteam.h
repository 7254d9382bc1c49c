#pragma once
// The national squad of one country: pick the country, sort by any column,
// take selected players out of the squad. Players join it elsewhere.

#include "editors/player_staff/model/lists/NationalSquadList.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyStaticControl.h"
#include "win/ComboBox.h"
#include "win/ListCtrl.h"

class CDlgNationalteam : public CDialogB {
public:
    explicit CDlgNationalteam(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Nationalteam"; }
    void SetCountry(int countryId) { countryId_ = countryId; }
    int GetCountry() const { return countryId_; }
    const NationalSquadList& GetSquad() const { return squad_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // Shows the popup; tests look at it without tracking.
    virtual void TrackListMenu(HMENU menu) { TrackContextMenu(menu); }

private:
    void AddColumns();
    void Fill();
    void ShowRows();
    void RemoveSelected();
    void ShowListMenu();

    CMyStaticControl count_;
    win::CComboBox countryCombo_;
    win::CListCtrl list_;
    int countryId_ = 0;
    NationalSquadList squad_;
};
