#include "editors/country_club/country/DlgLandLeaguesystem.h"

#include <algorithm>

#include "competition/League.h"
#include "competition/LeagueStructure.h"
#include "core/AppMessage.h"
#include "core/files/FileMessages.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/club/ReferenceLists.h"
#include "editors/country_club/competition/CountryLeagueLevelChange.h"
#include "editors/country_club/competition/DlgCalender.h"
#include "editors/country_club/competition/DlgFixturelist.h"
#include "editors/country_club/competition/DlgLeague.h"
#include "editors/country_club/competition/DlgLeaguedataChange.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"
#include "platform/Platform.h"
#include "resources/CountryEditorIds.h"

CDlgLandLeaguesystem::CDlgLandLeaguesystem(HWND parent) : CDialogB(IDD_COUNTRY_LEAGUESYSTEM, parent) {}

BOOL CDlgLandLeaguesystem::OnInitDialog()
{
    CDialogB::OnInitDialog();
    scripts_.Attach(GetItem(IDC_LEAGUES_SCRIPT));
    systems_.Attach(GetItem(IDC_LEAGUES_SYSTEM));
    tree_.SubclassDlgItem(IDC_LEAGUES_TREE, *this);
    teamTotal_.SubclassDlgItem(IDC_LEAGUES_TEAM_TOTAL, *this);
    group_.SubclassDlgItem(IDC_LEAGUES_GROUP, *this);
    if (country_ != nullptr) FillSystemCombo();
    // The three tools wait for entered teams.
    for (int id : {IDC_LEAGUES_COMPOSITION, IDC_LEAGUES_CALENDAR, IDC_LEAGUES_FIXTURES}) ::EnableWindow(GetItem(id), FALSE);
    const std::uint16_t positions[] = {0, 20};
    const std::uint16_t widths[] = {300, 300};
    tree_.SetColumns(2, positions, widths);
    return TRUE;
}

void CDlgLandLeaguesystem::FillSystemCombo()
{
    systems_.SetRedraw(false);
    systems_.ResetContent();
    for (int system = 0; system < GetLeagueSystemCount(); ++system) {
        char16_t name[64] = {};
        GetLeagueSystemText(system, name, std::size(name));
        AddComboItem(systems_, name, system);
    }
    systems_.SetRedraw(true);
}

void CDlgLandLeaguesystem::FillScriptCombo()
{
    scripts_.SetRedraw(false);
    scripts_.ResetContent();
    const CBaseTextFile& list = GetLeagueSystemList();
    for (int index = 0; index < list.GetCount(); ++index) {
        const int item = AddComboItem(scripts_, list.GetText(index), static_cast<LPARAM>(list.GetId(index)));
        if (static_cast<int>(list.GetId(index)) == country_->GetLeagueSystemId()) scripts_.SetCurSel(item);
    }
    scripts_.SetRedraw(true);
}

void CDlgLandLeaguesystem::LoadCountry(TCountry* country)
{
    if (country == nullptr) return;
    country_ = country;
    FillScriptCombo();
    FillLeagueTree();
    for (int level = 0; level < TCountry::LevelCount; ++level) {
        choices_[static_cast<std::size_t>(level)] = country->GetLevelRelegationRule(level);
    }
    const int system = CurrentSystem();
    choices_ = FilterRelegationChoices(system, choices_);
    systems_.SetCurSel(system);
    systems_.Enable(country->GetLeagueSystemId() < 1);
}

int CDlgLandLeaguesystem::CurrentSystem() { return FindMatchingSystem(LeaguesPerLevel(country_->GetLeagueLevels())); }

void CDlgLandLeaguesystem::StoreCountry()
{
    // Every change of this page was applied when it was made.
}

void CDlgLandLeaguesystem::FillLeagueTree()
{
    tree_.SetRedraw(false);
    tree_.ResetContent();
    if (country_ != nullptr) {
        for (const TLeagueTreeRow& row : BuildLeagueTreeRows(*country_)) {
            tree_.SetItemData(tree_.AddString(row.text.c_str()), static_cast<LPARAM>(row.data));
        }
    }
    tree_.SetRedraw(true);
    tree_.Invalidate();
    ShowTeamTotal();
}

void CDlgLandLeaguesystem::ShowTeamTotal()
{
    if (country_ == nullptr) return;
    const int total = LeagueTeamTotal(*country_);
    teamTotal_.SetText(CTextManager::Instance()->FormatInt(total));
    for (int id : {IDC_LEAGUES_COMPOSITION, IDC_LEAGUES_CALENDAR, IDC_LEAGUES_FIXTURES}) ::EnableWindow(GetItem(id), total > 0);
}

bool CDlgLandLeaguesystem::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_LEAGUES_APPLY && code == BN_CLICKED) {
        OnUpdateChanges();
    } else if (id == IDC_LEAGUES_SCRIPT && code == CBN_SELCHANGE) {
        OnScriptChanged();
    } else if (id == IDC_LEAGUES_TREE && code == LBN_SELCHANGE) {
        OnTreeSelect();
    } else if (id == IDC_LEAGUES_COMPOSITION && code == BN_CLICKED) {
        OpenComposition();
    } else if (id == IDC_LEAGUES_CALENDAR && code == BN_CLICKED) {
        OpenCalendar();
    } else if (id == IDC_LEAGUES_FIXTURES && code == BN_CLICKED) {
        OpenFixtures();
    } else {
        return false;
    }
    return true;
}

void CDlgLandLeaguesystem::OnScriptChanged()
{
    if (scripts_.GetCurSel() < 0) return;
    systems_.Enable(GetComboSelData(scripts_, -1) < 1);
}

void CDlgLandLeaguesystem::OnUpdateChanges()
{
    if (country_ == nullptr) return;
    const int system = static_cast<int>(GetComboSelData(systems_, -1));
    const int script = static_cast<int>(GetComboSelData(scripts_, -1));
    const TLeagueSystemPlan plan =
        PlanLeagueSystemApply(country_->GetLeagueSystemId(), LeaguesPerLevel(country_->GetLeagueLevels()), system,
                              script, choices_, LeagueScriptExists);
    switch (plan.verdict) {
    case TLeagueSystemVerdict::RefuseNoSelection:
        ShowAppMessageBox(GetText(u"Dialog.Country.Leaguesystem.NothingChosen"_tk), AppMessage::IconWarning);
        return;
    case TLeagueSystemVerdict::RefuseMissingScript:
        ShowFileNotFound(platform::JoinPath(u"Script", Format(u"Lg%d.txt", script)).c_str());
        return;
    case TLeagueSystemVerdict::AskFirst:
        if (ShowAppMessageBox(GetText(u"Dialog.Country.Leaguesystem.ChangeQuestion"_tk),
                              AppMessage::YesNo | AppMessage::IconQuestion | AppMessage::DefaultSecond) != AppMessage::IdYes) {
            return;
        }
        break;
    case TLeagueSystemVerdict::ApplyQuietly:
        break;
    }
    country_->SetLeagueSystem(plan.scriptId, plan.leagues, plan.choices);
    LoadCountry(country_);
}

void CDlgLandLeaguesystem::OnTreeSelect()
{
    const int row = tree_.GetCurSel();
    if (row < 0) return;
    const auto data = static_cast<std::uint32_t>(tree_.GetItemData(row));
    if (IsLevelHeading(data)) {
        OnRenameLevel(static_cast<int>(data));
    } else {
        OnLeagueData(data);
    }
}

void CDlgLandLeaguesystem::OnRenameLevel(int level)
{
    if (country_ == nullptr) return;
    CCountryLeagueLevelChange dialog(country_->GetLeagueLevelName(level), Handle());
    if (dialog.DoModal() != IDOK) return;
    const TCompleteWorld* world = country_->GetWorld();
    const int language = world != nullptr ? world->GetDatabaseLanguage() : 0;
    country_->SetLeagueLevelName(language, level, dialog.GetText().c_str());
    FillLeagueTree();
}

void CDlgLandLeaguesystem::OnLeagueData(std::uint32_t id)
{
    if (country_ == nullptr) return;
    auto* league = dynamic_cast<CDBLeague*>(country_->GetCompetitionRegistry().Get(id));
    if (league == nullptr) return;
    const int level = std::clamp<int>(league->GetLevel(), 0, TCountry::LevelCount - 1);
    const TLeagueLevelRules rules{country_->GetLevelRelegationRule(level), country_->GetLevelForeignerRule(level),
                                  country_->GetLevelSortRule(level), country_->AreReserveTeamsAllowed(level)};
    CDlgLeaguedataChange dialog(Handle());
    dialog.SetLeague(*league, CurrentSystem(), level, rules, country_->GetLeagueSystemId() >= 1);
    if (dialog.DoModal() == IDOK) {
        const TLeagueLevelRules& chosen = dialog.GetRules();
        choices_[static_cast<std::size_t>(level)] = static_cast<std::uint8_t>(chosen.relegation);
        country_->SetLevelForeignerRule(level, static_cast<std::uint8_t>(chosen.foreigner));
        country_->SetLevelSortRule(level, static_cast<std::uint8_t>(chosen.sort));
        country_->SetReserveTeamsAllowed(level, chosen.reserves);
        country_->SetLevelRelegationRule(level, static_cast<std::uint8_t>(chosen.relegation));
        // The leagues and pools of a generic level follow a changed rule;
        // an unchanged one leaves them as they were read.
        if (country_->GetLeagueSystemId() < 1 && chosen.relegation != rules.relegation) {
            ApplyLevelRelegationRule(*country_, level, chosen.relegation);
        }
    }
    FillLeagueTree();
}

void CDlgLandLeaguesystem::OpenFixtures()
{
    if (country_ == nullptr) return;
    CDlgFixturelist dialog(Handle());
    dialog.SetCountry(country_);
    dialog.DoModal();
}

void CDlgLandLeaguesystem::OpenComposition()
{
    if (country_ == nullptr) return;
    CDlgLeague dialog(Handle(), country_);
    dialog.DoModal();
}

void CDlgLandLeaguesystem::OpenCalendar()
{
    if (country_ == nullptr) return;
    StoreCountry();
    CDlgCalender dialog(country_, Handle());
    dialog.DoModal();
}
