#pragma once
// What the squad window's common page and the country editor's common page
// share: the four names, both nationalities, the birth date with the age,
// and below them the sub-page of the person's kind (player summary,
// manager, chairman or staff level), each handed the person it shows.

#include <cstdint>
#include <memory>
#include <string>

#include "database/world/Date.h"
#include "editors/player_staff/squad/PersonPage.h"
#include "ui/base/UserChanges.h"
#include "ui/controls/DateCtrl.h"

class CDlgChairman;
class CDlgManagerAllRight;
class CDlgPlayerAllRightSmall;
class CDlgStaffAtClub;

class CPersonCommonPage : public CPersonPage {
public:
    ~CPersonCommonPage() override;
    // Shows the person's names, birth date and sub-page, then the page's own fields.
    void SetPerson(TPerson* person, TClub* club) final;
    void OnChange(void* sender) override;

protected:
    struct TLayout {
        int firstNameLimit;
        TDate lowestBirthDate;
        TDate highestBirthDate;
        // Where the sub-pages stand, in dialog units.
        POINT subPageOrigin;
    };

    CPersonCommonPage(UINT templateId, HWND parent);

    // Part of OnInitDialog: edit limits, date range, country combos, sub-pages.
    void InitCommonControls(const TLayout& layout);
    void OnDestroy() override;
    // The user's changes of a name or a nationality go to the two hooks below,
    // other commands to OnOwnCommand; none while the page fills itself.
    // Every typed name is noted.
    bool OnCommand(int id, int code, HWND control) final;
    // The first or the last name typed in.
    virtual void OnNameEdited() = 0;
    // A nationality chosen in either combo.
    virtual void OnNationalityChosen() = 0;
    virtual bool OnOwnCommand(int /*id*/, int /*code*/) { return false; }
    // The page's own fields for person_, which is null when none is shown.
    virtual void ShowOwnFields() {}
    // The birth date the user changed; the age is shown already.
    virtual void OnBirthDateEdited() {}

    // Names, nationalities and birth date of the person.
    void ShowNames();
    void ShowAge(TDate birthDate);
    // The sub-page of the person's kind, the others hidden; every sub-page
    // gets the person or none, so that none keeps a deleted one.
    void ShowSubPages();
    void ClearNames();
    std::u16string ItemText(int id) const;
    void SetTextIfChanged(int id, const std::u16string& text);
    TDate ShownBirthDate();
    std::uint8_t SelectedCountry(int comboId) const;
    // The names the user typed; a name merely shown keeps its stored form,
    // inner double blanks and tabs included, and one the page does not
    // offer for the person (its edit disabled) is not taken.
    void ApplyTypedNames();
    bool IsBirthDateEdited() const { return changes_.Has(&birthDate_); }
    // The staff level of the staff-at-club sub-page, when it is shown.
    void ApplySubPage();

    Halvane::MFC::CDateCtrl birthDate_;
    TPerson* person_ = nullptr;
    // The names and the birth date the user changed since the person was shown or stored.
    CUserChanges changes_;

private:
    // The sub-pages made for a narrower page take this page's width.
    void WidenSubPages(int originX);

    std::unique_ptr<CDlgPlayerAllRightSmall> summary_;
    std::unique_ptr<CDlgStaffAtClub> staffAtClub_;
    std::unique_ptr<CDlgManagerAllRight> manager_;
    std::unique_ptr<CDlgChairman> chairman_;
    bool staffAtClubShown_ = false;
};
