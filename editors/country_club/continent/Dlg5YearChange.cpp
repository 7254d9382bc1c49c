#include "editors/country_club/continent/Dlg5YearChange.h"

#include <string>

#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "database/country/Country.h"
#include "editors/country_club/model/continent/AssessmentTable.h"
#include "resources/ContinentIds.h"

namespace {

constexpr float MaxValue = 20.0f;
constexpr int Decimals = 2;

}  // namespace

CDlg5YearChange::CDlg5YearChange(HWND parent) : CDialogB(IDD_ASSESSMENT_CHANGE, parent) {}

BOOL CDlg5YearChange::OnInitDialog()
{
    CDialogB::OnInitDialog();
    for (int year = 1; year <= Years && country_; ++year) values_[year - 1] = country_->GetYearCoefficient(year);
    for (int year = 1; year <= Years; ++year) {
        Halvane::MFC::CSpinEditCtrl& spin = spins_[year - 1];
        spin.SubclassDlgItem(IDC_ASSESSMENT_YEAR1 + year - 1, *this);
        spin.SetRangeFloat(0.0f, MaxValue, Decimals);
        spin.SetValueFloat(values_[year - 1] * 0.01f);
        spin.SetNotify(this);
    }
    ShowTotal();
    if (country_) {
        const HWND group = GetItem(IDC_ASSESSMENT_GROUP);
        wchar_t caption[WindowTextCapacity] = {};
        ::GetWindowTextW(group, caption, static_cast<int>(std::size(caption)));
        const std::u16string text = Format(u"%s (%s)", reinterpret_cast<const char16_t*>(caption), country_->GetName());
        ::SetWindowTextW(group, reinterpret_cast<LPCWSTR>(text.c_str()));
    }
    return TRUE;
}

void CDlg5YearChange::OnChange(void* sender)
{
    for (int year = 1; year <= Years; ++year) {
        if (sender == &spins_[year - 1]) values_[year - 1] = AssessmentTable::CoefficientFromValue(spins_[year - 1].GetValueFloat());
    }
    ShowTotal();
}

void CDlg5YearChange::ShowTotal() const
{
    int total = 0;
    for (int year = 1; year <= AssessmentTable::TotalYears; ++year) total += values_[year - 1];
    ::SetWindowTextW(GetItem(IDC_ASSESSMENT_TOTAL),
                     reinterpret_cast<LPCWSTR>(CTextManager::Instance()->FormatFloat(total * 0.01, Decimals)));
}

void CDlg5YearChange::Store() const
{
    if (!country_) return;
    for (int year = 1; year <= Years; ++year) country_->SetYearCoefficient(year, values_[year - 1]);
}
