#include "editors/country_club/competition/CountryLeagueLevelChange.h"

#include "resources/CountryEditorIds.h"

CCountryLeagueLevelChange::CCountryLeagueLevelChange(const char16_t* text, HWND parent)
    : CDialogB(IDD_LEAGUE_LEVEL_CHANGE, parent), text_(text != nullptr ? text : u"")
{
}

BOOL CCountryLeagueLevelChange::OnInitDialog()
{
    CDialogB::OnInitDialog();
    group_.SubclassDlgItem(IDC_LEVEL_GROUP, *this);
    edit_.Attach(GetItem(IDC_LEVEL_NAME));
    edit_.SetLimitText(NameLength);
    edit_.SetText(text_.substr(0, NameLength));
    return TRUE;
}

void CCountryLeagueLevelChange::OnOK()
{
    text_ = edit_.GetText();
    CDialogB::OnOK();
}
