#pragma once
// The names the database keeps per language, side by side: the continental
// cup titles, one country's competition and level names and one club's
// name fields. Every change is written back when the user moves to another
// country or club and when the dialog closes (only the close box closes it).

#include <vector>

#include "editors/country_club/model/continent/LocalisationRows.h"
#include "ui/base/DialogB.h"
#include "ui/lists/LocaleListCtrl.h"
#include "win/ComboBox.h"

class TClub;
class TCountry;

class CDlgLocalisation : public CDialogB {
public:
    explicit CDlgLocalisation(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Localisation"; }
    // Before the run: the country and club shown first. While the dialog
    // is open: writes back what is shown and shows the new record.
    void SetCountry(TCountry* country);
    void SetClub(TClub* club);
    CLocaleListCtrl& GetGrid(int id);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Grid {
        CLocaleListCtrl list;
        std::vector<LocalisationRow> rows;
        std::vector<int> slots;
    };

    static void Fill(Grid& grid, std::vector<LocalisationRow> rows);
    // The grid's cells into its rows, committing an open cell editor.
    static void ReadBack(Grid& grid);
    void StoreCountry();
    void StoreClub();
    void StoreWorld();
    void ShowCountry();
    void ShowClub();
    void FillCountryCombo();
    void FillClubCombo();
    void TakeCountryFromCombo();
    void TakeClubFromCombo();
    void Step(const win::CComboBox& combo, int delta, bool country);
    void Close();

    Grid world_;
    Grid country_;
    Grid club_;
    win::CComboBox countryCombo_;
    win::CComboBox clubCombo_;
    TCountry* currentCountry_ = nullptr;
    TClub* currentClub_ = nullptr;
    bool active_ = false;
    bool initialising_ = true;
};
