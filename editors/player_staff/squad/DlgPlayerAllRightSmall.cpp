#include "editors/player_staff/squad/DlgPlayerAllRightSmall.h"

#include <string>

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "ui/skin/RepaintUnder.h"
#include "win/ComboBox.h"
#include "win/ListBox.h"
#include "win/WideText.h"

namespace {

constexpr const char16_t* HeroKeys[] = {u"Player.Hero.00", u"Player.Hero.01", u"Player.Hero.02", u"Player.Hero.03",
                                        u"Player.Hero.04", u"Player.Hero.05", u"Player.Hero.06", u"Player.Hero.07",
                                        u"Player.Hero.08", u"Player.Hero.09", nullptr};
constexpr int TalentCount = 5;
constexpr int PositionTabStop = 64;

// Whether the other positions show their ratings reduced; kept between windows.
bool showReducedRatings = false;

int SelectedData(HWND combo)
{
    const LRESULT selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return selected < 0 ? -1 : static_cast<int>(::SendMessageW(combo, CB_GETITEMDATA, selected, 0));
}

}  // namespace

CDlgPlayerAllRightSmall::CDlgPlayerAllRightSmall(HWND parent) : CDialogB(IDD_PLAYER_ALL_RIGHT_SMALL, parent) {}

BOOL CDlgPlayerAllRightSmall::OnInitDialog()
{
    CDialogB::OnInitDialog();
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_SMALL_HERO));
    FillComboFromKeys(combo, HeroKeys, 0);
    combo.Detach();
    combo.Attach(GetItem(IDC_SMALL_TALENT));
    combo.ResetContent();
    for (int talent = 0; talent < TalentCount; ++talent) AddComboItem(combo, GetEnumTexts().GetTalentName(talent), talent);
    combo.Detach();
    ::CheckDlgButton(Handle(), IDC_SMALL_REDUCED, showReducedRatings ? BST_CHECKED : BST_UNCHECKED);
    ShowReducedCaption();
    return TRUE;
}

void CDlgPlayerAllRightSmall::SetPerson(TPerson* person)
{
    person_ = person;
    if (person == nullptr) return;
    ::SetDlgItemInt(Handle(), IDC_SMALL_SHIRT, person->GetTeamShirtNumber(), FALSE);
    FillPositions(IDC_SMALL_MAIN_POSITIONS, 0, 2, false);
    FillPositions(IDC_SMALL_OTHER_POSITIONS, 3, 5, showReducedRatings);
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_SMALL_TALENT));
    combo.SetCurSel(combo.FindItemData(person->GetTalent()));
    combo.Detach();
    combo.Attach(GetItem(IDC_SMALL_HERO));
    combo.SetCurSel(combo.FindItemData(person->GetSummaryChoice()));
    combo.Detach();
    ::SetDlgItemTextW(Handle(), IDC_SMALL_NOTES, win::W(person->GetNotes()));
    ShowReducedCaption();
}

void CDlgPlayerAllRightSmall::FillPositions(int listId, int firstSlot, int lastSlot, bool reduced)
{
    win::CListBox list;
    list.Attach(GetItem(listId));
    list.ResetContent();
    int tabStop = PositionTabStop;
    list.Send(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    std::int32_t ratings[TPerson::RatingCount];
    person_->GetPositionRatings(ratings);
    for (int slot = firstSlot; slot <= lastSlot; ++slot) {
        const int position = person_->GetPosition(slot);
        if (position <= 0 || position >= TPerson::RatingCount) continue;
        const int rating = reduced ? ratings[position] * 85 / 100 : ratings[position];
        std::u16string row = GetEnumTexts().GetPositionShortName(position);
        row += u'\t';
        row += CTextManager::Instance()->FormatInt(rating);
        list.AddString(row.c_str());
    }
    list.Detach();
}

void CDlgPlayerAllRightSmall::ShowReducedCaption()
{
    char16_t caption[128];
    const char16_t* state = GetText(showReducedRatings ? u"Dialog.Player.RightSmall.Modified"_tk : u"Dialog.Player.RightSmall.Unmodified"_tk);
    ReplaceToken(GetText(u"Dialog.Player.RightSmall.OtherPositionsFormat"_tk), u"_STATE", state, caption, 128);
    SetButtonCaption(GetItem(IDC_SMALL_REDUCED), caption);
}

bool CDlgPlayerAllRightSmall::OnCommand(int id, int code, HWND control)
{
    if (person_ == nullptr) return false;
    if (id == IDC_SMALL_TALENT && code == CBN_SELCHANGE) {
        const int talent = SelectedData(control);
        if (talent >= 0) person_->SetTalent(talent);
        SetPerson(person_);
        return true;
    }
    if (id == IDC_SMALL_HERO && code == CBN_SELCHANGE) {
        const int hero = SelectedData(control);
        if (hero >= 0) person_->SetSummaryChoice(static_cast<std::uint8_t>(hero));
        return true;
    }
    if (id == IDC_SMALL_REDUCED && code == BN_CLICKED) {
        showReducedRatings = ::IsDlgButtonChecked(Handle(), IDC_SMALL_REDUCED) == BST_CHECKED;
        SetPerson(person_);
        return true;
    }
    return false;
}
