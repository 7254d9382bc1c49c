#include "editors/player_staff/squad/DlgPlayerAbilities.h"

#include "core/Random.h"
#include "core/text/TextManager.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "win/WideText.h"

namespace {

constexpr int AbilityIds[TPerson::AbilityCount] = {
    1790, 1793, 1794, 1795, 1796, 1797, 1798, 1799, 1800, 1801, 1802, 1803, 1804, 1805, 1806,
    1807, 1808, 1809, 1810, 1811, 1996, 1995, 1994, 1993, 1992, 1991, 1997, 1998, 1999, 2000,
    1812, 1813, 1814, 1815, 1816, 1817, 1818, 1819, 1820, 1821, 1822, 1823, 1824};
constexpr COLORREF BandColours[AbilityRules::BandCount] = {RGB(242, 242, 242), RGB(204, 255, 204), RGB(255, 255, 160),
                                                           RGB(255, 204, 160), RGB(255, 160, 160)};
constexpr int MaxAbility = 99;

}  // namespace

CDlgPlayerAbilities::CDlgPlayerAbilities(HWND parent) : CPersonPage(IDD_PLAYER_ABILITIES, parent) {}

CDlgPlayerAbilities::~CDlgPlayerAbilities()
{
    for (HBRUSH brush : brushes_) {
        if (brush != nullptr) ::DeleteObject(brush);
    }
}

BOOL CDlgPlayerAbilities::OnInitDialog()
{
    CPersonPage::OnInitDialog();
    for (int index = 0; index < TPerson::AbilityCount; ++index) {
        spins_[static_cast<std::size_t>(index)].SubclassDlgItem(AbilityIds[index], *this);
        spins_[static_cast<std::size_t>(index)].SetRange(0, MaxAbility);
        spins_[static_cast<std::size_t>(index)].SetNotify(this);
    }
    for (int band = 0; band < AbilityRules::BandCount; ++band) {
        brushes_[static_cast<std::size_t>(band)] = ::CreateSolidBrush(BandColours[band]);
        ::SetDlgItemTextW(Handle(), IDC_ABILITIES_LEGEND_FIRST + band,
                          win::W(CTextManager::Instance()->FormatIntPercent(band * 25)));
    }
    return TRUE;
}

void CDlgPlayerAbilities::SetPerson(TPerson* person, TClub* club)
{
    person_ = person;
    club_ = club;
    showing_ = true;
    Enable(person != nullptr);
    for (int index = 0; index < TPerson::AbilityCount; ++index) {
        auto& spin = spins_[static_cast<std::size_t>(index)];
        if (person == nullptr) ::SetWindowTextW(spin.Handle(), L"");
        else spin.SetValue(person->GetAbility(index));
    }
    if (person != nullptr) {
        target_ = AbilityRules::TargetRating(*person, club);
        level_ = person->GetLevel();
    }
    showing_ = false;
    Invalidate();
}

void CDlgPlayerAbilities::ApplyToPerson()
{
    if (person_ == nullptr) return;
    for (int index = 0; index < TPerson::AbilityCount; ++index) {
        person_->SetAbility(index, static_cast<std::uint8_t>(spins_[static_cast<std::size_t>(index)].GetValue()));
    }
}

void CDlgPlayerAbilities::ReportChangedLevel()
{
    if (person_->GetLevel() == level_) return;
    level_ = person_->GetLevel();
    RequestListUpdate();
}

void CDlgPlayerAbilities::OnChange(void*)
{
    if (person_ == nullptr || showing_) return;
    ApplyToPerson();
    ReportChangedLevel();
}

void CDlgPlayerAbilities::ApplyPercent(int percent)
{
    for (auto& spin : spins_) {
        const int value = spin.GetValue();
        if (value == 0) continue;
        const int cap = 80 + RandomInt(6);
        spin.SetValue(AbilityRules::PercentChange(value, percent, cap));
    }
    ApplyToPerson();
    ReportChangedLevel();
}

void CDlgPlayerAbilities::DrawRandomAbilities()
{
    const int levelBefore = level_;
    AbilityRules::DrawRandomAbilities(*person_, target_);
    // Showing the new set also draws the target of the next click, and
    // takes the new level as the one the list shows: it is not yet.
    SetPerson(person_, club_);
    ApplyToPerson();
    level_ = levelBefore;
    ReportChangedLevel();
}

bool CDlgPlayerAbilities::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_ABILITIES_RANDOM && code == BN_CLICKED && person_ != nullptr) {
        DrawRandomAbilities();
        return true;
    }
    const int percent = AbilityRules::PercentOfButton(id);
    if (percent == 0 || code != BN_CLICKED || person_ == nullptr) return false;
    ApplyPercent(percent);
    return true;
}

int CDlgPlayerAbilities::AbilityOfControl(HWND control) const
{
    const int id = ::GetDlgCtrlID(control);
    for (int index = 0; index < TPerson::AbilityCount; ++index) {
        if (AbilityIds[index] == id) return index;
    }
    return -1;
}

HBRUSH CDlgPlayerAbilities::OnCtlColor(HDC dc, HWND control, UINT message)
{
    const int id = ::GetDlgCtrlID(control);
    int band = -1;
    if (id >= IDC_ABILITIES_LEGEND_FIRST && id < IDC_ABILITIES_LEGEND_FIRST + AbilityRules::BandCount) {
        band = id - IDC_ABILITIES_LEGEND_FIRST;
    } else if (const int ability = AbilityOfControl(control); ability >= 0 && person_ != nullptr) {
        band = AbilityRules::Band(TPerson::GetPositionWeight(person_->GetPosition(0), ability));
    }
    if (band < 0) return CPersonPage::OnCtlColor(dc, control, message);
    ::SetBkColor(dc, BandColours[band]);
    return brushes_[static_cast<std::size_t>(band)];
}
