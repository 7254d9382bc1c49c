#pragma once
// Moves players of one country's clubs, one at a time, into a team of any
// country with a free shirt number of that team. Every move is applied at
// once; OK only closes.

#include <cstdint>

#include "ui/base/DialogB.h"
#include "ui/skin/MyStaticControl.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/controls/MyListBox.h"
#include "win/ComboBox.h"

class CDlgFastTransfer : public CDialogB {
public:
    explicit CDlgFastTransfer(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.QuickTransfers"; }
    // Source and target country.
    void SetCountry(int countryId);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillPlayers();
    void FillClubs();
    void FillNumbers();
    void ShowCurrentNumber();
    void Transfer();
    static LPARAM SelectedData(const win::CListBox& list, LPARAM none);

    CMyStaticControl currentNumber_;
    CMyGroupBox groups_[2];
    win::CComboBox sourceCountry_;
    CMyListBox players_;
    CMyListBox targetCountries_;
    CMyListBox clubs_;
    CMyListBox numbers_;
    int sourceCountryId_ = 0;
    int targetCountryId_ = 1;
    std::uint32_t playerId_ = 0;
    int number_ = 0;
    std::uint32_t targetTeam_ = 0;
};
