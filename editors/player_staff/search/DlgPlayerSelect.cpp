#include "editors/player_staff/search/DlgPlayerSelect.h"

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "win/ListBox.h"
#include "win/WideText.h"

namespace {

constexpr int CountryListMode = 4;
constexpr std::uint16_t ColumnStarts[] = {0, 90 | CMyListBox::Centred, 130 | CMyListBox::Centred,
                                          170 | CMyListBox::RightAligned, 220};
constexpr std::uint16_t ColumnWidths[] = {90, 40, 40, 40, 80};

void FillRows(const win::CListBox& list, const std::vector<PersonPickerModel::TRow>& rows, std::uint32_t selected)
{
    list.ResetContent();
    for (const PersonPickerModel::TRow& row : rows) {
        const int index = list.AddString(row.text.c_str());
        if (index < 0) continue;
        list.SetItemData(index, static_cast<LPARAM>(row.id));
        if (row.id == selected) list.SetCurSel(index);
    }
}

std::uint32_t SelectedData(HWND list)
{
    const LRESULT row = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    return row < 0 ? 0 : static_cast<std::uint32_t>(::SendMessageW(list, LB_GETITEMDATA, row, 0));
}

}  // namespace

CDlgPlayerSelect::CDlgPlayerSelect(HWND parent) : CDialogB(IDD_PLAYER_SELECT, parent) {}

TPerson* CDlgPlayerSelect::GetSelectedPerson() const
{
    const TCompleteWorld* world = GetWorld();
    return personId_ != 0 && world != nullptr ? world->GetPerson(personId_) : nullptr;
}

BOOL CDlgPlayerSelect::OnInitDialog()
{
    CDialogB::OnInitDialog();
    persons_.SubclassDlgItem(IDC_SELECT_PERSONS, *this);
    win::CListBox countries;
    countries.Attach(GetItem(IDC_SELECT_COUNTRIES));
    FillCountryList(countries, TeamCountry(clubId_), CountryListMode);
    countries.Detach();
    if (filter_.staff) {
        ApplyPopupPrefix(GetText(u"Dialog.Player.Select.TitleStaff"_tk));
        ::SetDlgItemTextW(Handle(), IDC_SELECT_CLUBS_LABEL, win::W(GetText(u"Dialog.Player.Select.Staff"_tk)));
        ::SetDlgItemTextW(Handle(), IDC_SELECT_PERSONS_LABEL, win::W(GetText(u"Dialog.Player.Select.SelectStaff"_tk)));
    }
    FillClubs();
    return TRUE;
}

void CDlgPlayerSelect::FillClubs()
{
    const TCompleteWorld* world = GetWorld();
    win::CListBox clubs;
    clubs.Attach(GetItem(IDC_SELECT_CLUBS));
    FillRows(clubs, world != nullptr ? PersonPickerModel::ClubRows(*world, TeamCountry(clubId_))
                                     : std::vector<PersonPickerModel::TRow>{},
             clubId_);
    clubs.Detach();
    FillPersons();
}

void CDlgPlayerSelect::FillPersons()
{
    const TCompleteWorld* world = GetWorld();
    persons_.ResetContent();
    if (world == nullptr || world->GetClubConst(clubId_) == nullptr) return;
    persons_.SetColumns(5, ColumnStarts, ColumnWidths);
    FillRows(persons_, PersonPickerModel::PersonRows(*world, clubId_, filter_), personId_);
}

bool CDlgPlayerSelect::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_SELECT_COUNTRIES && code == LBN_SELCHANGE) {
        clubId_ = PersonPickerModel::WithCountry(clubId_, static_cast<int>(SelectedData(control)));
        FillClubs();
        return true;
    }
    if (id == IDC_SELECT_CLUBS && code == LBN_SELCHANGE) {
        clubId_ = SelectedData(control);
        FillPersons();
        return true;
    }
    if (id == IDC_SELECT_PERSONS && code == LBN_SELCHANGE) {
        personId_ = SelectedData(control);
        return true;
    }
    if (id == IDC_SELECT_PERSONS && code == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return false;
}
