#pragma once
// Edits one entry of a country's player pool, with a 3D head and a 2D
// portrait preview of a stand-in person built from the dialog's values.

#include "database/person/PlayerPortrait.h"
#include "editors/player_staff/model/lists/PoolPageModel.h"
#include "ui/base/DialogB.h"
#include "ui/render/PlayerImageCtrl.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/ComboBox.h"

class TCountry;
class TPoolPlayer;

class CDlgPlayerpoolChange : public CDialogB {
public:
    CDlgPlayerpoolChange(TPoolPlayer& entry, TCountry& country, HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.PlayerpoolChange"; }
    void OnChange(void* sender) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    static constexpr int ComboCount = 12;
    static const int ComboIds[ComboCount];

    const win::CComboBox& Combo(int id) const;
    void AttachControls();
    void FillCombos();
    void FillNumberedCombo(int id, int count, const char16_t* (*name)(int));
    void FillClubCombo();
    void FillShoeCombo();
    void SelectValues();
    void ShowNames();
    void CollectValues();
    // The club combo's choice, the value read while nothing is chosen.
    std::uint32_t ChosenClub() const;
    void ApplyClubRule();
    // The stand-in person and head follow the values; initial shows them
    // whatever changed.
    void UpdatePreview(bool initial);

    TPoolPlayer& entry_;
    TCountry& country_;
    PoolEntryValues values_;
    bool hadBirthDate_ = false;
    bool dateChanged_ = false;
    TPortraitPerson previewPerson_;
    TPortraitHead previewHead_;
    Halvane::MFC::CSpinEditCtrl day_;
    Halvane::MFC::CSpinEditCtrl month_;
    Halvane::MFC::CSpinEditCtrl year_;
    win::CComboBox combos_[ComboCount];
    CPlayerImageCtrl head_;
    CPlayerImageCtrl portrait_;
};
