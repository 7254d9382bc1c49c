#include "editors/player_staff/lists/DlgPlayerpoolChange.h"

#include <string>

#include "core/text/TextManager.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/person/PoolPlayer.h"
#include "database/club/ReferenceLists.h"
#include "resources/NationalPoolIds.h"

namespace {
constexpr int TalentCount = 5;
constexpr int AbilityCount = 43;
constexpr int TeamPartCount = 5;
constexpr int FootCount = 4;
constexpr int TraitCount = 23;
constexpr int NameLength = 19;

const char16_t* TalentName(int index) { return GetEnumTexts().GetTalentName(index); }
const char16_t* AbilityName(int index) { return GetEnumTexts().GetAbilityName(index); }
const char16_t* TeamPartName(int index) { return GetEnumTexts().GetTeamPartName(index); }
const char16_t* FootName(int index) { return GetEnumTexts().GetFootName(index); }
const char16_t* TraitName(int index) { return GetEnumTexts().GetPlayerCharacterName(index); }

struct LooksList {
    int id;
    int count;
    const char16_t* (CEnumTexts::*name)(int) const;
    int (*value)(int);
};
const LooksList LooksLists[] = {
    {IDC_POOL_FACE, CEnumTexts::GetFaceCount(), &CEnumTexts::GetFaceName, &CEnumTexts::GetFaceValue},
    {IDC_POOL_HAIR_COLOUR, CEnumTexts::GetHairColourCount(), &CEnumTexts::GetHairColourName,
     &CEnumTexts::GetHairColourValue},
    {IDC_POOL_HAIRSTYLE, CEnumTexts::GetHairstyleCount(), &CEnumTexts::GetHairstyleName, &CEnumTexts::GetHairstyleValue},
    {IDC_POOL_FACIAL_HAIR, CEnumTexts::GetFacialHairCount(), &CEnumTexts::GetFacialHairName,
     &CEnumTexts::GetFacialHairValue},
};

}  // namespace

const int CDlgPlayerpoolChange::ComboIds[ComboCount] = {
    IDC_POOL_NATIONALITY, IDC_POOL_TALENT, IDC_POOL_ABILITY, IDC_POOL_TEAM_PART, IDC_POOL_CLUB, IDC_POOL_FOOT,
    IDC_POOL_TRAIT, IDC_POOL_FACE, IDC_POOL_HAIR_COLOUR, IDC_POOL_HAIRSTYLE, IDC_POOL_FACIAL_HAIR, IDC_POOL_SHOE,
};

const win::CComboBox& CDlgPlayerpoolChange::Combo(int id) const
{
    for (int index = 0; index < ComboCount; ++index) {
        if (ComboIds[index] == id) return combos_[index];
    }
    return combos_[0];
}

CDlgPlayerpoolChange::CDlgPlayerpoolChange(TPoolPlayer& entry, TCountry& country, HWND parent)
    : CDialogB(IDD_PLAYER_POOL_CHANGE, parent), entry_(entry), country_(country)
{
}

BOOL CDlgPlayerpoolChange::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    values_ = PoolPageModel::ReadEntry(entry_);
    hadBirthDate_ = entry_.GetBirthDate().IsSet();
    AttachControls();
    FillCombos();
    SelectValues();
    ShowNames();
    UpdatePreview(true);
    ApplyClubRule();
    if (values_.firstName.empty()) ApplyPopupPrefix(GetText(u"TitleNew"_tk));
    for (auto* spin : {&day_, &month_, &year_}) spin->SetNotify(this);
    return result;
}

void CDlgPlayerpoolChange::AttachControls()
{
    ::SendDlgItemMessageW(Handle(), IDC_POOL_FIRST_NAME, EM_LIMITTEXT, PoolPageModel::FirstNameLength, 0);
    ::SendDlgItemMessageW(Handle(), IDC_POOL_LAST_NAME, EM_LIMITTEXT, NameLength, 0);
    ::SendDlgItemMessageW(Handle(), IDC_POOL_PSEUDONYM, EM_LIMITTEXT, NameLength, 0);
    day_.SubclassDlgItem(IDC_POOL_DAY, *this);
    month_.SubclassDlgItem(IDC_POOL_MONTH, *this);
    year_.SubclassDlgItem(IDC_POOL_YEAR, *this);
    day_.SetRange(1, 31);
    month_.SetRange(1, 12);
    year_.SetFlags(Halvane::MFC::CSpinEditCtrl::PlainDigits);
    year_.SetRange(PoolPageModel::FirstBirthYear, PoolPageModel::LastBirthYear);
    for (int index = 0; index < ComboCount; ++index) combos_[index].Attach(GetItem(ComboIds[index]));
    head_.SubclassDlgItem(IDC_POOL_HEAD, *this);
    portrait_.SubclassDlgItem(IDC_POOL_PORTRAIT, *this);
    head_.SetPlayer(&previewPerson_, &previewHead_, nullptr);
    portrait_.SetPlayer(&previewPerson_, &previewHead_, nullptr);
    head_.SetMode(CPlayerImageCtrl::Head);
    portrait_.SetMode(CPlayerImageCtrl::Portrait);
}

void CDlgPlayerpoolChange::FillCombos()
{
    FillCountryCombo(Combo(IDC_POOL_NATIONALITY), values_.nationality, 0);
    FillNumberedCombo(IDC_POOL_TALENT, TalentCount, &TalentName);
    FillNumberedCombo(IDC_POOL_ABILITY, AbilityCount, &AbilityName);
    FillNumberedCombo(IDC_POOL_TEAM_PART, TeamPartCount, &TeamPartName);
    FillNumberedCombo(IDC_POOL_FOOT, FootCount, &FootName);
    FillNumberedCombo(IDC_POOL_TRAIT, TraitCount, &TraitName);
    const CEnumTexts& names = GetEnumTexts();
    for (const LooksList& list : LooksLists) {
        const win::CComboBox& combo = Combo(list.id);
        combo.SetRedraw(false);
        for (int index = 0; index < list.count; ++index) AddComboItem(combo, (names.*list.name)(index), list.value(index));
        combo.SetRedraw(true);
    }
    FillClubCombo();
    FillShoeCombo();
}

void CDlgPlayerpoolChange::FillNumberedCombo(int id, int count, const char16_t* (*name)(int))
{
    const win::CComboBox& combo = Combo(id);
    combo.SetRedraw(false);
    for (int index = 0; index < count; ++index) AddComboItem(combo, name(index), index);
    combo.SetRedraw(true);
}

void CDlgPlayerpoolChange::FillClubCombo()
{
    const win::CComboBox& combo = Combo(IDC_POOL_CLUB);
    AddComboItem(combo, GetText(u"Common.NotAvailable"_tk), 0);
    for (int index = 0; index < country_.GetClubCount(); ++index) {
        const TClub* club = country_.GetClubByIndex(index);
        if (club != nullptr) AddComboItem(combo, club->GetName(), static_cast<LPARAM>(club->GetId()));
    }
    const char16_t* createClub = GetTextManager()->GetText(u"Dialog.Country.Playerpool.CreateAClub"_tk);
    AddComboItem(combo, createClub, static_cast<LPARAM>(TPoolPlayer::CreateClub));
}

void CDlgPlayerpoolChange::FillShoeCombo()
{
    const win::CComboBox& combo = Combo(IDC_POOL_SHOE);
    const CBaseTextFile& shoes = GetShoeList();
    for (int index = 0; index < shoes.GetCount(); ++index) {
        AddComboItem(combo, shoes.GetText(index), static_cast<LPARAM>(shoes.GetId(index)));
    }
}

void CDlgPlayerpoolChange::SelectValues()
{
    const std::pair<int, LPARAM> selections[] = {
        {IDC_POOL_NATIONALITY, values_.nationality}, {IDC_POOL_TALENT, values_.talent},
        {IDC_POOL_ABILITY, values_.ability},         {IDC_POOL_TEAM_PART, values_.teamPart},
        {IDC_POOL_CLUB, static_cast<LPARAM>(values_.preferredClub)}, {IDC_POOL_FOOT, values_.foot},
        {IDC_POOL_TRAIT, values_.characterTrait},    {IDC_POOL_FACE, values_.face},
        {IDC_POOL_HAIR_COLOUR, values_.hairColour},  {IDC_POOL_HAIRSTYLE, values_.hairstyle},
        {IDC_POOL_FACIAL_HAIR, values_.facialHair},  {IDC_POOL_SHOE, values_.shoe},
    };
    for (const auto& [id, value] : selections) {
        const win::CComboBox& combo = Combo(id);
        combo.SetCurSel(-1);
        SelectComboByData(combo, value);
    }
    day_.SetValue(values_.day);
    month_.SetValue(values_.month);
    year_.SetValue(values_.year);
}

void CDlgPlayerpoolChange::ShowNames()
{
    ::SetDlgItemTextW(Handle(), IDC_POOL_FIRST_NAME, reinterpret_cast<const wchar_t*>(values_.firstName.c_str()));
    ::SetDlgItemTextW(Handle(), IDC_POOL_LAST_NAME, reinterpret_cast<const wchar_t*>(values_.lastName.c_str()));
    ::SetDlgItemTextW(Handle(), IDC_POOL_PSEUDONYM, reinterpret_cast<const wchar_t*>(values_.pseudonym.c_str()));
}

// A combo without a matching item keeps the value read from the entry.
void CDlgPlayerpoolChange::CollectValues()
{
    wchar_t buffer[64] = {};
    const auto read = [&](int id) {
        buffer[0] = 0;
        ::GetDlgItemTextW(Handle(), id, buffer, 64);
        return std::u16string(reinterpret_cast<const char16_t*>(buffer));
    };
    values_.firstName = read(IDC_POOL_FIRST_NAME);
    values_.lastName = read(IDC_POOL_LAST_NAME);
    values_.pseudonym = read(IDC_POOL_PSEUDONYM);
    const auto byte = [this](int id, std::uint8_t current) {
        return static_cast<std::uint8_t>(GetComboSelData(Combo(id), current));
    };
    values_.nationality = byte(IDC_POOL_NATIONALITY, values_.nationality);
    values_.talent = byte(IDC_POOL_TALENT, values_.talent);
    values_.ability = byte(IDC_POOL_ABILITY, values_.ability);
    values_.teamPart = byte(IDC_POOL_TEAM_PART, values_.teamPart);
    values_.preferredClub = ChosenClub();
    values_.foot = byte(IDC_POOL_FOOT, values_.foot);
    values_.characterTrait = byte(IDC_POOL_TRAIT, values_.characterTrait);
    values_.face = byte(IDC_POOL_FACE, values_.face);
    values_.hairColour = byte(IDC_POOL_HAIR_COLOUR, values_.hairColour);
    values_.hairstyle = byte(IDC_POOL_HAIRSTYLE, values_.hairstyle);
    values_.facialHair = byte(IDC_POOL_FACIAL_HAIR, values_.facialHair);
    values_.shoe = byte(IDC_POOL_SHOE, values_.shoe);
    if (hadBirthDate_ || dateChanged_) {
        values_.day = day_.GetValue();
        values_.month = month_.GetValue();
        values_.year = year_.GetValue();
    }
}

std::uint32_t CDlgPlayerpoolChange::ChosenClub() const
{
    const LPARAM chosen = GetComboSelData(Combo(IDC_POOL_CLUB), static_cast<LPARAM>(values_.preferredClub));
    return static_cast<std::uint32_t>(chosen);
}

void CDlgPlayerpoolChange::ApplyClubRule()
{
    const bool createClub = ChosenClub() == TPoolPlayer::CreateClub;
    for (auto* spin : {&day_, &month_, &year_}) {
        spin->Enable(createClub);
        ::EnableWindow(spin->GetSpin().Handle(), createClub ? TRUE : FALSE);
    }
    portrait_.Show(createClub);
    ::ShowWindow(GetItem(IDC_POOL_PORTRAIT_PATH), createClub ? SW_SHOW : SW_HIDE);
}

void CDlgPlayerpoolChange::UpdatePreview(bool initial)
{
    CollectValues();
    const TPortraitPerson person = PoolPageModel::PreviewPerson(values_);
    const bool personChanged = person.firstName != previewPerson_.firstName || person.lastName != previewPerson_.lastName ||
                               person.pseudonym != previewPerson_.pseudonym || person.birthDate != previewPerson_.birthDate;
    if (personChanged || initial) {
        previewPerson_ = person;
        portrait_.Refresh();
        const std::u16string path = portrait_.GetPortraitPath(false);
        ::SetDlgItemTextW(Handle(), IDC_POOL_PORTRAIT_PATH, reinterpret_cast<const wchar_t*>(path.c_str()));
        const bool oddSize = portrait_.HasBitmap() && !portrait_.HasBitmapOfSize(160, 160);
        ::ShowWindow(GetItem(IDC_POOL_PORTRAIT_SIZE), oddSize ? SW_SHOW : SW_HIDE);
    }
    const TPortraitHead head = PoolPageModel::PreviewHead(values_);
    const bool headChanged = head.face != previewHead_.face || head.hairColour != previewHead_.hairColour ||
                             head.hairstyle != previewHead_.hairstyle || head.facialHair != previewHead_.facialHair;
    if (headChanged || initial) {
        previewHead_ = head;
        head_.Refresh();
    }
}

void CDlgPlayerpoolChange::OnChange(void* sender)
{
    if (sender != &day_ && sender != &month_ && sender != &year_) return;
    dateChanged_ = true;
    if (::IsWindowVisible(Handle())) UpdatePreview(false);
}

bool CDlgPlayerpoolChange::OnCommand(int id, int code, HWND control)
{
    if (IsExchanging()) return CDialogB::OnCommand(id, code, control);
    const bool nameEdit = id == IDC_POOL_FIRST_NAME || id == IDC_POOL_LAST_NAME || id == IDC_POOL_PSEUDONYM;
    const bool nameLeft = code == EN_KILLFOCUS && nameEdit;
    const bool looksChanged = code == CBN_SELCHANGE && id >= IDC_POOL_FACE && id <= IDC_POOL_FACIAL_HAIR;
    if (nameLeft || looksChanged) {
        if (::IsWindowVisible(Handle())) UpdatePreview(false);
        return true;
    }
    if (id == IDC_POOL_CLUB && code == CBN_SELCHANGE) {
        ApplyClubRule();
        return true;
    }
    return CDialogB::OnCommand(id, code, control);
}

void CDlgPlayerpoolChange::OnOK()
{
    CollectValues();
    PoolPageModel::WriteEntry(entry_, values_);
    CDialogB::OnOK();
}
