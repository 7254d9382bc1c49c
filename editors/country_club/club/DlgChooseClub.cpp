#include "editors/country_club/club/DlgChooseClub.h"

#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "resources/ClubEditorIds.h"

void FillPickerList(const win::CListBox& list, const TPickerRows& rows)
{
    list.SetRedraw(false);
    list.ResetContent();
    for (const TPickerRow& row : rows.rows) {
        const int item = list.AddString(row.text.c_str());
        if (item >= 0) list.SetItemData(item, static_cast<LPARAM>(row.data));
    }
    list.Send(LB_SETCURSEL, static_cast<WPARAM>(rows.selected));
    if (rows.selected > 2) list.Send(LB_SETTOPINDEX, static_cast<WPARAM>(PickerTopRow(rows.selected)));
    list.SetRedraw(true);
    list.Invalidate();
}

CDlgChooseClub::CDlgChooseClub(HWND parent) : CDialogB(IDD_CHOOSE_CLUB, parent) {}

void CDlgChooseClub::SetSelectedClubId(TTeamId id)
{
    selected_ = id;
    country_ = TeamCountry(id);
}

void CDlgChooseClub::SetCountry(int country)
{
    selected_ = (selected_ & ~0x00FF0000u) | (static_cast<TTeamId>(country & 0xFF) << 16);
    country_ = country;
}

void CDlgChooseClub::SetContinentFilter(int continent)
{
    filter_.continent = continent;
    if (IsInitialised()) FillCountries();
}

void CDlgChooseClub::SetCountryFilter(int country)
{
    filter_.country = country;
    if (IsInitialised()) FillCountries();
}

void CDlgChooseClub::SetNationalTeams(bool on)
{
    nationalTeams_ = on;
    if (IsInitialised()) FillClubs();
}

void CDlgChooseClub::SetIncludeReserveTeams(bool on)
{
    includeReserveTeams_ = on;
    if (IsInitialised()) FillClubs();
}

TClub* CDlgChooseClub::GetSelectedClub() const
{
    return selected_ != 0 && GetWorld() != nullptr ? GetWorld()->GetClub(selected_) : nullptr;
}

BOOL CDlgChooseClub::OnInitDialog()
{
    CDialogB::OnInitDialog();
    countries_.SubclassDlgItem(IDC_PICK_COUNTRIES, *this);
    clubs_.SubclassDlgItem(IDC_PICK_CLUBS, *this);
    FillCountries();
    FillClubs();
    return TRUE;
}

void CDlgChooseClub::FillCountries()
{
    if (GetWorld() == nullptr) return;
    FillPickerList(countries_, MakeCountryRows(*GetWorld(), country_, filter_, GetText(u"Country.NoCountry"_tk)));
}

void CDlgChooseClub::FillClubs()
{
    const TCompleteWorld* world = GetWorld();
    const TCountry* country = world != nullptr && country_ != 0 ? world->GetCountry(country_) : nullptr;
    if (country == nullptr || country->GetId() != country_) {
        clubs_.ResetContent();
        selected_ = 0;
        return;
    }
    FillPickerList(clubs_, MakeClubRows(*world, {country_, selected_, nationalTeams_, includeReserveTeams_}));
}

bool CDlgChooseClub::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_PICK_COUNTRIES && code == LBN_SELCHANGE) {
        const int item = countries_.GetCurSel();
        country_ = item < 0 ? 0 : static_cast<int>(countries_.GetItemData(item));
        FillClubs();
        return true;
    }
    if (id == IDC_PICK_CLUBS && code == LBN_SELCHANGE) {
        const int item = clubs_.GetCurSel();
        if (item >= 0) selected_ = static_cast<TTeamId>(clubs_.GetItemData(item));
        return true;
    }
    if (id == IDC_PICK_CLUBS && code == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return false;
}
