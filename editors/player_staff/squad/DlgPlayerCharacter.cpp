#include "editors/player_staff/squad/DlgPlayerCharacter.h"

#include <string>

#include "database/person/Person.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/squad/TraitEnabling.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

// The check box of each trait bit.
constexpr int TraitBoxes[TraitEnabling::TraitCount] = {1056, 1062, 1063, 1064, 1065, 1068, 1082, 1057,
                                                       1058, 1059, 1060, 1061, 1066, 1067, 1069, 1070,
                                                       1071, 1072, 1073, 1074, 1076, 1077, 1078};

constexpr const char16_t* TypeKeys[] = {
    u"Player.Caricature.None",          u"Player.Caricature.AttackingFB",    u"Player.Caricature.DefenseFB",
    u"Player.Caricature.Libero",        u"Player.Caricature.SimplePasser",   u"Player.Caricature.BallWinner",
    u"Player.Caricature.HardMan",       u"Player.Caricature.Holding",        u"Player.Caricature.BallWinnerMidfield",
    u"Player.Caricature.BoxToBox",      u"Player.Caricature.Busy",           u"Player.Caricature.PlayMaker",
    u"Player.Caricature.Dribbler",      u"Player.Caricature.Winger",         u"Player.Caricature.TargetMan",
    u"Player.Caricature.PenaltyBox",    u"Player.Caricature.RunsChannels",   u"Player.Caricature.PullsWideLeft",
    u"Player.Caricature.PullsWideRight", u"Player.Caricature.DribblerAttack", u"Player.Caricature.HoldsUp",
};
constexpr int NotesCapacity = 4096;

}  // namespace

CDlgPlayerCharacter::CDlgPlayerCharacter(HWND parent) : CPersonPage(IDD_PLAYER_CHARACTER, parent) {}

int CDlgPlayerCharacter::TraitOfControl(int id)
{
    for (int bit = 0; bit < TraitEnabling::TraitCount; ++bit) {
        if (TraitBoxes[bit] == id) return bit;
    }
    return -1;
}

void CDlgPlayerCharacter::SetPerson(TPerson* person, TClub*)
{
    person_ = person;
    showing_ = true;
    Enable(person != nullptr);
    for (int id : TraitBoxes) {
        ::CheckDlgButton(Handle(), id, person != nullptr && person->HasCharacterTrait(TraitOfControl(id)));
        ::EnableWindow(GetItem(id), person != nullptr);
    }
    if (person != nullptr) {
        FillTypes();
        ::SetDlgItemTextW(Handle(), IDC_CHARACTER_NOTES, win::W(person->GetNotes()));
        EnableTraitBoxes();
    }
    showing_ = false;
}

void CDlgPlayerCharacter::FillTypes()
{
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_CHARACTER_TYPE));
    combo.SetRedraw(false);
    combo.ResetContent();
    for (int type = 0; type < static_cast<int>(std::size(TypeKeys)); ++type) {
        if (person_->IsCaricatureAllowed(type)) AddComboItem(combo, GetText(TypeKeys[type]), type);
    }
    combo.SetRedraw(true);
    combo.SetCurSel(combo.FindItemData(person_->GetCaricature()));
    combo.Detach();
}

void CDlgPlayerCharacter::EnableTraitBoxes()
{
    const std::uint32_t enabled = TraitEnabling::EnabledBoxes(*person_);
    for (int bit = 0; bit < TraitEnabling::TraitCount; ++bit) {
        ::EnableWindow(GetItem(TraitBoxes[bit]), (enabled & (1u << bit)) != 0);
    }
}

void CDlgPlayerCharacter::ApplyToPerson()
{
    if (person_ == nullptr) return;
    for (int bit = 0; bit < TraitEnabling::TraitCount; ++bit) {
        person_->SetCharacterTrait(bit, ::IsDlgButtonChecked(Handle(), TraitBoxes[bit]) == BST_CHECKED);
    }
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_CHARACTER_TYPE));
    // Without a selection (a type his positions no longer allow) the stored type stays.
    const LPARAM type = GetComboSelData(combo, person_->GetCaricature());
    combo.Detach();
    person_->SetCaricature(static_cast<std::uint8_t>(type));
    std::u16string notes(NotesCapacity, 0);
    const UINT length = ::GetDlgItemTextW(Handle(), IDC_CHARACTER_NOTES, win::W(notes.data()), NotesCapacity);
    notes.resize(length);
    person_->SetNotes(notes);
}

bool CDlgPlayerCharacter::OnCommand(int id, int code, HWND control)
{
    if (person_ == nullptr || showing_) return false;
    const int trait = TraitOfControl(id);
    if (trait >= 0 && code == BN_CLICKED) {
        person_->SetCharacterTrait(trait, ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED);
        EnableTraitBoxes();
        return false;
    }
    if (id == IDC_CHARACTER_TYPE && code == CBN_SELCHANGE) {
        ApplyToPerson();
        return true;
    }
    return false;
}
