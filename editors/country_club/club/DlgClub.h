#pragma once
// The club editor's general page: names, contacts, finances, prestige,
// rivals, lowest leagues, articles and phrases. Only fields whose shown
// value the user changed are written back, so looking changes nothing: a
// friend or rival of another country, which no combo offers, stays.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ui/base/DialogB.h"
#include "ui/base/UserChanges.h"
#include "ui/controls/DomainCtrl.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/ComboBox.h"

class CBaseTextFile;
class TClub;
class TCountry;

// Empties the combo and adds every entry of the list with its id as item
// data, selecting the entry of the selected id.
void FillComboFromTextFile(const win::CComboBox& combo, const CBaseTextFile& list, std::uint32_t selected);

class CDlgClub : public CDialogB {
public:
    explicit CDlgClub(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.Common"; }

    void LoadClub(TClub* club, TCountry* country);
    void StoreClub();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(win::CDataExchange& exchange) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    struct TTexts {
        std::u16string name, shortName, abbreviation, town, address, fansites, fanName1, fanName2, mascot, telephone,
            website;
        bool operator==(const TTexts&) const = default;
    };
    // What the number controls showed after a load.
    struct TNumbers {
        std::array<int, 8> spins{};
        int mediaPressure = 0;
        std::array<bool, 3> checks{};
        bool operator==(const TNumbers&) const = default;
    };

    void SetUpSpins();
    void FillClubCombo(const win::CComboBox& combo, std::uint32_t selected);
    void FillLowestLeagueCombos();
    void ShowArticles();
    void ShowPhrases();
    void ShowCounts();
    void ShowAdminCaption();
    TNumbers ReadNumbers();
    void StoreTexts();
    void StoreNumbers();
    // The item data of the item the user chose in the combo; none when the
    // combo still shows what the load put there.
    std::optional<std::uint32_t> ChosenId(const win::CComboBox& combo) const;
    void StoreCombos();
    void OnArticle(int form);
    void OnPhrase();
    void OnLanguageChange();
    int Language() const;

    TClub* club_ = nullptr;
    TCountry* country_ = nullptr;
    // The club and league combos the user chose in.
    CUserChanges changes_;
    TTexts texts_;
    TTexts loadedTexts_;
    TNumbers loadedNumbers_;
    std::array<Halvane::MFC::CSpinEditCtrl, 8> spins_;
    Halvane::MFC::CDomainCtrl mediaPressure_;
    // Friendship club, rivals 0..3, lowest leagues 0..2, the language.
    std::array<win::CComboBox, 5> clubCombos_;
    std::array<win::CComboBox, 3> leagueCombos_;
    win::CComboBox language_;
    std::u16string commonCaption_;
};
