#pragma once
// Chooses one person of a club: a country list, the clubs of the country
// that have persons, and the club's persons that pass the filters, headed
// by "nobody".

#include <cstdint>

#include "editors/player_staff/model/search/PersonPickerModel.h"
#include "ui/base/DialogB.h"
#include "ui/controls/MyListBox.h"

class TPerson;

class CDlgPlayerSelect : public CDialogB {
public:
    explicit CDlgPlayerSelect(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Select"; }

    void SetFilter(bool players, bool staff, bool youthOnly) { filter_ = {players, staff, youthOnly}; }
    void SetCountry(int countryId) { clubId_ = PersonPickerModel::WithCountry(clubId_, countryId); }
    void SetClubId(std::uint32_t id) { clubId_ = id; }
    void SetSelectedPersonId(std::uint32_t id) { personId_ = id; }
    void GetClubId(std::uint32_t& id) const { id = clubId_; }
    std::uint32_t GetSelectedPersonId() const { return personId_; }
    TPerson* GetSelectedPerson() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillClubs();
    void FillPersons();

    CMyListBox persons_;
    std::uint32_t clubId_ = 0;
    std::uint32_t personId_ = 0;
    PersonPickerModel::TFilter filter_;
};
