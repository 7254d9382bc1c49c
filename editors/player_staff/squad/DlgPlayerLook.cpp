#include "editors/player_staff/squad/DlgPlayerLook.h"

#include "app/LedraApp.h"
#include "core/text/TextTools.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "database/club/ReferenceLists.h"
#include "editors/country_club/club/DlgClub.h"
#include "editors/player_staff/model/squad/PlayerLookModel.h"
#include "resources/StaffPagesIds.h"
#include "ui/render/RenderManager.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

// The combos whose choice the previews show at once.
constexpr int PreviewCombos[] = {IDC_LOOK_FACE, IDC_LOOK_FACE_TEMPLATE, IDC_LOOK_HAIR_COLOUR, IDC_LOOK_HAIRSTYLE,
                                 IDC_LOOK_FACIAL_HAIR};
constexpr int PictureIdChars = 32;

template <typename Name, typename Value>
void FillEnumCombo(const win::CComboBox& combo, int count, Name name, Value value)
{
    combo.SetRedraw(false);
    combo.ResetContent();
    for (int index = 0; index < count; ++index) CDialogB::AddComboItem(combo, name(index), value(index));
    combo.SetRedraw(true);
}

}  // namespace

CDlgPlayerLook::CDlgPlayerLook(HWND parent) : CPersonPage(IDD_PLAYER_LOOK, parent) {}

BOOL CDlgPlayerLook::OnInitDialog()
{
    CPersonPage::OnInitDialog();
    FillCombos();
    height_.SubclassDlgItem(IDC_LOOK_HEIGHT, *this);
    weight_.SubclassDlgItem(IDC_LOOK_WEIGHT, *this);
    height_.SetRange(PlayerLookModel::LowestHeight, PlayerLookModel::HighestHeight);
    weight_.SetRange(PlayerLookModel::LowestWeight, PlayerLookModel::HighestWeight);
    height_.SetNotify(this);
    weight_.SetNotify(this);
    headPreview_.SubclassDlgItem(IDC_LOOK_HEAD, *this);
    portraitPreview_.SubclassDlgItem(IDC_LOOK_PORTRAIT, *this);
    headPreview_.SetPlayer(&portrait_, &head_, nullptr);
    portraitPreview_.SetPlayer(&portrait_, &head_, nullptr);
    headPreview_.SetMode(CPlayerImageCtrl::Head);
    if (CRenderManager* renderer = CRenderManager::GetInstance(); renderer != nullptr && renderer->GetPlugin()) {
        renderer->GetPlugin()->SetBackground(HeadBackground);
    }
    portraitPreview_.SetMode(CPlayerImageCtrl::Portrait);
    const int shown = IsAdminMode() ? SW_SHOW : SW_HIDE;
    ::ShowWindow(GetItem(IDC_LOOK_PICTURE_ID_LABEL), shown);
    ::ShowWindow(GetItem(IDC_LOOK_PICTURE_ID), shown);
    return TRUE;
}

void CDlgPlayerLook::FillCombos()
{
    const CEnumTexts& names = GetEnumTexts();
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_LOOK_FACE));
    FillEnumCombo(combo, CEnumTexts::GetFaceCount(), [&](int i) { return names.GetFaceName(i); }, CEnumTexts::GetFaceValue);
    combo.Detach();
    combo.Attach(GetItem(IDC_LOOK_HAIR_COLOUR));
    FillEnumCombo(combo, CEnumTexts::GetHairColourCount(), [&](int i) { return names.GetHairColourName(i); },
                  CEnumTexts::GetHairColourValue);
    combo.Detach();
    combo.Attach(GetItem(IDC_LOOK_HAIRSTYLE));
    FillEnumCombo(combo, CEnumTexts::GetHairstyleCount(), [&](int i) { return names.GetHairstyleName(i); },
                  CEnumTexts::GetHairstyleValue);
    combo.Detach();
    combo.Attach(GetItem(IDC_LOOK_FACIAL_HAIR));
    FillEnumCombo(combo, CEnumTexts::GetFacialHairCount(), [&](int i) { return names.GetFacialHairName(i); },
                  CEnumTexts::GetFacialHairValue);
    combo.Detach();
    combo.Attach(GetItem(IDC_LOOK_SHOE));
    FillComboFromTextFile(combo, GetShoeList(), 0);
    combo.Detach();
    combo.Attach(GetItem(IDC_LOOK_FACE_TEMPLATE));
    FillComboFromTextFile(combo, GetFaceList(), 0);
    combo.Detach();
}

void CDlgPlayerLook::Select(int id, std::uint32_t value) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(id));
    combo.SetCurSel(combo.FindItemData(static_cast<LPARAM>(value)));
    combo.Detach();
}

std::uint32_t CDlgPlayerLook::Selected(int id, std::uint32_t fallback) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(id));
    const auto value = static_cast<std::uint32_t>(GetComboSelData(combo, static_cast<LPARAM>(fallback)));
    combo.Detach();
    return value;
}

void CDlgPlayerLook::SetPerson(TPerson* person, TClub* club)
{
    person_ = person;
    club_ = club;
    Enable(person != nullptr);
    if (person == nullptr) {
        portrait_ = {};
        head_ = {};
        UpdatePreviews();
        return;
    }
    const PlayerLooks looks = PlayerLookModel::Show(*person);
    Select(IDC_LOOK_HAIR_COLOUR, looks.hairColour);
    Select(IDC_LOOK_HAIRSTYLE, looks.hairstyle);
    Select(IDC_LOOK_FACIAL_HAIR, looks.facialHair);
    Select(IDC_LOOK_FACE, looks.face);
    Select(IDC_LOOK_SHOE, looks.shoe);
    Select(IDC_LOOK_FACE_TEMPLATE, looks.faceId);
    height_.SetValue(looks.height);
    weight_.SetValue(looks.weight);
    ::CheckDlgButton(Handle(), IDC_LOOK_LONG_SLEEVES, looks.longSleeves ? BST_CHECKED : BST_UNCHECKED);
    ShowImperial();
    UpdatePreviews();
    const std::u16string path = GetPlayerPortraitPath(portrait_, false);
    ::SetDlgItemTextW(Handle(), IDC_LOOK_PORTRAIT_PATH, win::W(path));
    if (IsAdminMode()) ::SetDlgItemTextW(Handle(), IDC_LOOK_PICTURE_ID, std::to_wstring(person->GetEmpicsId()).c_str());
}

void CDlgPlayerLook::UpdatePreviews()
{
    // The previews show the person as stored; a look the combos lack stays
    // his until the user chooses another.
    if (person_ != nullptr) {
        portrait_ = PortraitOf(*person_);
        head_ = PlayerLookModel::HeadOf(*person_);
    }
    headPreview_.SetPlayer(&portrait_, &head_, club_);
    portraitPreview_.SetPlayer(&portrait_, &head_, club_);
}

void CDlgPlayerLook::StoreLooksForPreview()
{
    if (person_ == nullptr) return;
    PlayerLooks looks = PlayerLookModel::Show(*person_);
    ReadCombos(looks);
    person_->SetAppearance(looks.hairColour, looks.face, looks.hairstyle, looks.facialHair, looks.shoe);
    person_->SetFaceId(looks.faceId);
    UpdatePreviews();
}

void CDlgPlayerLook::ReadCombos(PlayerLooks& looks) const
{
    // A combo without a selection keeps the person's value: a look the
    // lists lack survives a visit.
    const auto byte = [this](int id, std::uint8_t value) { return static_cast<std::uint8_t>(Selected(id, value)); };
    looks.hairColour = byte(IDC_LOOK_HAIR_COLOUR, looks.hairColour);
    looks.face = byte(IDC_LOOK_FACE, looks.face);
    looks.hairstyle = byte(IDC_LOOK_HAIRSTYLE, looks.hairstyle);
    looks.facialHair = byte(IDC_LOOK_FACIAL_HAIR, looks.facialHair);
    looks.shoe = byte(IDC_LOOK_SHOE, looks.shoe);
    looks.faceId = Selected(IDC_LOOK_FACE_TEMPLATE, looks.faceId);
}

void CDlgPlayerLook::ShowImperial()
{
    ::SetDlgItemTextW(Handle(), IDC_LOOK_HEIGHT_IMPERIAL, win::W(FormatHeightImperial(height_.GetValue())));
    ::SetDlgItemTextW(Handle(), IDC_LOOK_WEIGHT_IMPERIAL, win::W(FormatWeightImperial(weight_.GetValue())));
}

void CDlgPlayerLook::OnChange(void* sender)
{
    if (sender == &height_ || sender == &weight_) ShowImperial();
}

void CDlgPlayerLook::ApplyToPerson()
{
    if (person_ == nullptr) return;
    PlayerLooks looks = PlayerLookModel::Show(*person_);
    ReadCombos(looks);
    looks.height = height_.GetValue();
    looks.weight = weight_.GetValue();
    looks.longSleeves = ::IsDlgButtonChecked(Handle(), IDC_LOOK_LONG_SLEEVES) == BST_CHECKED;
    PlayerLookModel::Store(*person_, looks);
    if (IsAdminMode()) {
        wchar_t text[PictureIdChars] = {};
        ::GetDlgItemTextW(Handle(), IDC_LOOK_PICTURE_ID, text, PictureIdChars);
        person_->SetEmpicsId(PlayerLookModel::ParsePictureId(win::U(text)));
    }
}

bool CDlgPlayerLook::OnCommand(int id, int code, HWND control)
{
    if (code != CBN_SELCHANGE) return false;
    for (int combo : PreviewCombos) {
        if (combo != id) continue;
        StoreLooksForPreview();
        return true;
    }
    return false;
}
