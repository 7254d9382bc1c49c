#include "editors/player_staff/staff/DlgPlayerGenerator.h"

#include "core/Random.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/staff/PlayerGeneratorProposal.h"
#include "resources/StaffPagesIds.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

constexpr const char16_t* TalentKeys[] = {u"Player.Talent.00", u"Player.Talent.01", u"Player.Talent.02",
                                          u"Player.Talent.03", u"Player.Talent.04", nullptr};
constexpr int HighestNumber = 99;
constexpr int HighestLevel = 99;
const TDate EarliestBirth(1935, 1, 1);
const TDate EarliestYouthBirth(1989, 1, 1);
const TDate LatestBirth(1995, 12, 31);
constexpr int NameCapacity = 64;

}  // namespace

CDlgPlayerGenerator::CDlgPlayerGenerator(TClub* club, TPerson* person, HWND parent)
    : CDialogB(IDD_PLAYER_GENERATOR, parent), club_(club), person_(person)
{
}

BOOL CDlgPlayerGenerator::OnInitDialog()
{
    CDialogB::OnInitDialog();
    if (club_ == nullptr || person_ == nullptr) return TRUE;
    reserveTeam_ = person_->IsReserveTeam();
    birthDate_.SubclassDlgItem(IDC_GENERATOR_BIRTH_DATE, *this);
    shirt_.SubclassDlgItem(IDC_GENERATOR_SHIRT_NUMBER, *this);
    level_.SubclassDlgItem(IDC_GENERATOR_LEVEL, *this);
    level_.SetRange(1, HighestLevel);
    const TDate earliest = person_->IsYouthPlayer() ? EarliestYouthBirth : EarliestBirth;
    birthDate_.SetMinDate(earliest.GetYear(), earliest.GetMonth(), earliest.GetDay());
    birthDate_.SetMaxDate(LatestBirth.GetYear(), LatestBirth.GetMonth(), LatestBirth.GetDay());
    birthDate_.SetNotify(this);
    shirt_.SetRange(1, HighestNumber);
    shirt_.SetNotify(this);
    FillCombos();
    club_->CountShirtNumbers(shirtCounts_, reserveTeam_);
    shirtCounts_[0] = 1;
    ShowProposal();
    return TRUE;
}

void CDlgPlayerGenerator::FillCombos()
{
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_GENERATOR_TALENT));
    FillComboFromKeys(combo, TalentKeys, 0);
    combo.Detach();
    combo.Attach(GetItem(IDC_GENERATOR_POSITION));
    combo.ResetContent();
    for (int position = 1; position <= PlayerGeneratorProposal::PositionCount; ++position) {
        AddComboItem(combo, GetEnumTexts().GetPositionName(position), position);
    }
    combo.Detach();
    combo.Attach(GetItem(IDC_GENERATOR_NATIONALITY));
    FillCountryCombo(combo, club_->GetCountryId(), 0);
    combo.Detach();
}

void CDlgPlayerGenerator::SelectRow(int id, int row) const
{
    ::SendMessageW(GetItem(id), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int CDlgPlayerGenerator::Selected(int id, int fallback) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(id));
    const auto value = static_cast<int>(GetComboSelData(combo, fallback));
    combo.Detach();
    return value;
}

void CDlgPlayerGenerator::ShowProposal()
{
    const PlayerGeneratorProposal::TProposal proposal =
        PlayerGeneratorProposal::Propose(*club_, club_->GetCountryId(), person_->IsYouthPlayer(), reserveTeam_);
    SelectRow(IDC_GENERATOR_POSITION, proposal.position - 1);
    shirtNumber_ = proposal.shirtNumber;
    changingNumber_ = true;
    shirt_.SetValue(shirtNumber_);
    changingNumber_ = false;
    ::SetDlgItemTextW(Handle(), IDC_GENERATOR_LAST_NAME, win::W(proposal.lastName));
    ::SetDlgItemTextW(Handle(), IDC_GENERATOR_FIRST_NAME, win::W(proposal.firstName));
    const TDate born = proposal.birthDate;
    birthDate_.SetDate(born.GetYear(), born.GetMonth(), born.GetDay());
    ShowAge();
    SelectRow(IDC_GENERATOR_TALENT, proposal.talent);
    level_.SetValue(proposal.level);
}

int CDlgPlayerGenerator::SelectedNationality() const
{
    const int nationality = Selected(IDC_GENERATOR_NATIONALITY, 0);
    return nationality > 0 ? nationality : club_->GetCountryId();
}

void CDlgPlayerGenerator::DrawName(bool lastName)
{
    const TCompleteWorld* world = club_->GetWorld();
    if (world == nullptr) return;
    const std::u16string name = PlayerGeneratorProposal::DrawName(*world, SelectedNationality(), lastName);
    ::SetDlgItemTextW(Handle(), lastName ? IDC_GENERATOR_LAST_NAME : IDC_GENERATOR_FIRST_NAME, win::W(name));
}

void CDlgPlayerGenerator::DrawBirthDate()
{
    const TDate born = PlayerGeneratorProposal::DrawBirthDate(person_->IsYouthPlayer());
    birthDate_.SetDate(born.GetYear(), born.GetMonth(), born.GetDay());
    ShowAge();
}

void CDlgPlayerGenerator::DrawTalent()
{
    SelectRow(IDC_GENERATOR_TALENT, CrtRandBelow(PlayerGeneratorProposal::TalentCount));
}

TDate CDlgPlayerGenerator::ShownBirthDate()
{
    return TDate(birthDate_.GetYear(), birthDate_.GetMonth(), birthDate_.GetDay());
}

void CDlgPlayerGenerator::ShowAge()
{
    const std::u16string age = CTextManager::Instance()->FormatInt(GetAgeToday(ShownBirthDate()));
    ::SetDlgItemTextW(Handle(), IDC_GENERATOR_AGE, win::W(ReplaceTokens(GetText(u"AgeFormat"_tk), {{u"_AGE", age}})));
}

void CDlgPlayerGenerator::OnChange(void* sender)
{
    if (sender == &birthDate_) {
        ShowAge();
        return;
    }
    if (sender != &shirt_ || changingNumber_) return;
    const int wanted = shirt_.GetValue();
    if (wanted == shirtNumber_) return;
    shirtNumber_ = PlayerGeneratorProposal::StepShirtNumber(shirtCounts_, shirtNumber_, wanted);
    changingNumber_ = true;
    shirt_.SetValue(shirtNumber_);
    changingNumber_ = false;
}

std::u16string CDlgPlayerGenerator::ItemText(int id) const
{
    wchar_t text[NameCapacity] = {};
    ::GetDlgItemTextW(Handle(), id, text, NameCapacity);
    return win::U(text);
}

bool CDlgPlayerGenerator::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED || club_ == nullptr || person_ == nullptr) return false;
    switch (id) {
    case IDC_GENERATOR_DRAW_LAST_NAME: DrawName(true); return true;
    case IDC_GENERATOR_DRAW_FIRST_NAME: DrawName(false); return true;
    case IDC_GENERATOR_DRAW_BIRTH_DATE: DrawBirthDate(); return true;
    case IDC_GENERATOR_DRAW_TALENT: DrawTalent(); return true;
    default: return false;
    }
}

void CDlgPlayerGenerator::OnOK()
{
    if (club_ == nullptr || person_ == nullptr) {
        EndDialog(IDCANCEL);
        return;
    }
    const TDate born = ShownBirthDate();
    // A number still being typed is stepped over the worn ones first.
    shirt_.GetValue();
    const std::u16string first = ItemText(IDC_GENERATOR_FIRST_NAME);
    const std::u16string last = ItemText(IDC_GENERATOR_LAST_NAME);
    person_->GenerateRandomPlayer(club_, first.c_str(), last.c_str(), GetAgeToday(born),
                                  Selected(IDC_GENERATOR_POSITION, -1), shirtNumber_, level_.GetValue(),
                                  Selected(IDC_GENERATOR_TALENT, -1), Selected(IDC_GENERATOR_NATIONALITY, -1));
    person_->SetBirthDate(born);
    PlayerGeneratorProposal::JoinTeam(*person_, reserveTeam_, shirtNumber_);
    EndDialog(IDOK);
}
