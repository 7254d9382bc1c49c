#include "editors/country_club/competition/DlgCountryPlayerRating.h"

#include <algorithm>

#include "database/country/Country.h"
#include "editors/country_club/model/competition/LeagueRatingRows.h"
#include "resources/CountryEditorIds.h"

CDlgCountryPlayerRating::CDlgCountryPlayerRating(TCountry& country, HWND parent)
    : CDialogB(IDD_COUNTRY_PLAYER_RATING, parent), country_(country)
{
}

BOOL CDlgCountryPlayerRating::OnInitDialog()
{
    CDialogB::OnInitDialog();
    levels_.SubclassDlgItem(IDC_RATING_LEVELS, *this);
    levelName_.SubclassDlgItem(IDC_RATING_LEVEL_NAME, *this);
    rating_.SubclassDlgItem(IDC_RATING_VALUE, *this);
    rating_.SetRange(0, 99);
    rating_.SetNotify(this);
    const std::uint16_t positions[] = {0, 160};
    const std::uint16_t widths[] = {160, 40};
    levels_.SetColumns(2, positions, widths);
    FillList();
    levelName_.Enable(false);
    rating_.Enable(false);
    rating_.GetSpin().Enable(false);
    return TRUE;
}

void CDlgCountryPlayerRating::FillList()
{
    const int kept = levels_.GetCurSel();
    levels_.SetRedraw(false);
    levels_.ResetContent();
    for (const TLeagueRatingRow& row : BuildLeagueRatingRows(country_)) {
        const int index = levels_.AddString(row.text.c_str());
        levels_.SetItemData(index, row.level);
    }
    if (kept >= 0) levels_.SetCurSel(kept);
    levels_.SetRedraw(true);
    levels_.Invalidate();
}

bool CDlgCountryPlayerRating::OnCommand(int id, int code, HWND control)
{
    if (id != IDC_RATING_LEVELS || code != LBN_SELCHANGE) return false;
    OnLevelSelected();
    return true;
}

void CDlgCountryPlayerRating::OnLevelSelected()
{
    const int row = levels_.GetCurSel();
    if (row < 0) return;
    levelName_.Enable(true);
    rating_.Enable(true);
    rating_.GetSpin().Enable(true);
    level_ = std::clamp(static_cast<int>(levels_.GetItemData(row)), 0, TCountry::LevelCount - 1);
    levelName_.SetText(country_.GetLeagueLevelName(level_));
    showingLevel_ = true;
    rating_.SetValue(country_.GetLeagueRating(level_));
    showingLevel_ = false;
}

void CDlgCountryPlayerRating::OnChange(void* sender)
{
    if (sender != &rating_ || !rating_.IsEnabled() || showingLevel_) return;
    country_.SetLeagueRating(level_, static_cast<std::uint8_t>(rating_.GetValue()));
    FillList();
}
