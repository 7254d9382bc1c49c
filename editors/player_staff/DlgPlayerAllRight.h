#pragma once
// The "TabCommon" page of the squad window, for players and staff: the
// four names, the nationalities, the birth date with the age and the
// player flags; below them the player part or the staff level.

#include <cstdint>
#include <memory>
#include <string>

#include "editors/player_staff/PersonPage.h"
#include "ui/DateCtrl.h"

class CDlgChairman;
class CDlgManagerAllRight;
class CDlgPlayerAllRightSmall;
class CDlgStaffAtClub;

class CDlgPlayerAllRight : public CPersonPage {
public:
    explicit CDlgPlayerAllRight(HWND parent = nullptr);
    ~CDlgPlayerAllRight() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.CommonRight"; }

    // The first language of the edited club's country.
    void SetClubLanguage(std::uint8_t language) { clubLanguage_ = language; }
    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;
    void OnChange(void* sender) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override;

private:
    void ShowNames();
    void ShowFlags();
    void ShowAge();
    void ShowSubPages();
    void ShowCaption();
    void ClearPage();
    void OnNationalityChanged();
    void OnYouthClicked();
    std::uint8_t SelectedCountry(int comboId) const;

    std::unique_ptr<CDlgPlayerAllRightSmall> summary_;
    std::unique_ptr<CDlgStaffAtClub> staffAtClub_;
    std::unique_ptr<CDlgManagerAllRight> manager_;
    std::unique_ptr<CDlgChairman> chairman_;
    Halvane::MFC::CDateCtrl birthDate_;
    TPerson* person_ = nullptr;
    std::uint8_t clubLanguage_ = 0;
    // The group box's caption as the template gave it, translated.
    std::u16string groupCaption_;
    // While the page itself fills its controls, their change messages are not the user's.
    bool showing_ = false;
    bool birthDateEdited_ = false;
    bool staffAtClubShown_ = false;
};
