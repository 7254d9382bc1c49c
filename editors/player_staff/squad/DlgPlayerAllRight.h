#pragma once
// The "TabCommon" page of the squad window, for players and staff: the
// four names, the nationalities, the birth date with the age and the
// player flags; below them the player part or the staff level.

#include <cstdint>
#include <string>

#include "editors/player_staff/squad/PersonCommonPage.h"

class CDlgPlayerAllRight : public CPersonCommonPage {
public:
    explicit CDlgPlayerAllRight(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.CommonRight"; }

    // The first language of the edited club's country.
    void SetClubLanguage(std::uint8_t language) { clubLanguage_ = language; }
    void ApplyToPerson() override;

protected:
    BOOL OnInitDialog() override;
    void OnNameEdited() override;
    void OnNationalityChosen() override;
    bool OnOwnCommand(int id, int code) override;
    void ShowOwnFields() override;
    void OnBirthDateEdited() override;

private:
    void ShowFlags();
    void EnableYouthBox(TDate birthDate);
    void ClearFlags();
    void ShowCaption();
    void OnYouthClicked();

    std::uint8_t clubLanguage_ = 0;
    // The group box's caption as the template gave it, translated.
    std::u16string groupCaption_;
};
