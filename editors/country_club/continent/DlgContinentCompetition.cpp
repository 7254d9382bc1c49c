#include "editors/country_club/continent/DlgContinentCompetition.h"

#include <array>

#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/continent/Dlg5Year.h"
#include "editors/country_club/club/DlgChooseClub.h"
#include "editors/country_club/club/DlgChooseStadion.h"
#include "editors/country_club/continent/DlgContinentFrame.h"
#include "editors/country_club/continent/DlgEuropeanFairness.h"
#include "editors/country_club/model/continent/ContinentPageLayout.h"
#include "editors/country_club/model/continent/FairnessPlaces.h"
#include "resources/ContinentIds.h"

namespace {

const char16_t* const prefixes[CDlgContinentFrame::Continents] = {
    u"Dialog.Continent.Europe", u"Dialog.Continent.SouthAmerica", u"Dialog.Continent.NorthAmerica",
    u"Dialog.Continent.Africa", u"Dialog.Continent.Asia",         u"Dialog.Continent.Oceania",
};

struct CupControls {
    int title;
    int titleLabel;
    int defender;
    int defenderLabel;
    int chooseDefender;
    int stadium;
    int stadiumLabel;
    int chooseStadium;
};

constexpr CupControls cupControls[CDlgContinentCompetition::Cups] = {
    {IDC_CONTINENT_TITLE0, IDC_CONTINENT_TITLE_LABEL0, IDC_CONTINENT_DEFENDER0, IDC_CONTINENT_DEFENDER_LABEL0,
     IDC_CONTINENT_CHOOSE_DEFENDER0, IDC_CONTINENT_STADIUM0, IDC_CONTINENT_STADIUM_LABEL0, IDC_CONTINENT_CHOOSE_STADIUM0},
    {IDC_CONTINENT_TITLE1, IDC_CONTINENT_TITLE_LABEL1, IDC_CONTINENT_DEFENDER1, IDC_CONTINENT_DEFENDER_LABEL1,
     IDC_CONTINENT_CHOOSE_DEFENDER1, IDC_CONTINENT_STADIUM1, IDC_CONTINENT_STADIUM_LABEL1, IDC_CONTINENT_CHOOSE_STADIUM1},
    {IDC_CONTINENT_TITLE2, IDC_CONTINENT_TITLE_LABEL2, IDC_CONTINENT_DEFENDER2, IDC_CONTINENT_DEFENDER_LABEL2,
     IDC_CONTINENT_CHOOSE_DEFENDER2, IDC_CONTINENT_STADIUM2, IDC_CONTINENT_STADIUM_LABEL2, IDC_CONTINENT_CHOOSE_STADIUM2},
};

int DatabaseLanguage()
{
    const TCompleteWorld* world = GetWorld();
    return world ? world->GetDatabaseLanguage() : 0;
}

}  // namespace

CDlgContinentCompetition::CDlgContinentCompetition(int continent, CDlgContinentFrame& frame)
    : CDialogB(IDD_CONTINENT_COMPETITION), continent_(continent), frame_(frame)
{
}

const char16_t* CDlgContinentCompetition::GetTextKeyPrefix() const
{
    return prefixes[continent_ >= 0 && continent_ < CDlgContinentFrame::Continents ? continent_ : 0];
}

BOOL CDlgContinentCompetition::OnInitDialog()
{
    CDialogB::OnInitDialog();
    for (int cup = 0; cup < Cups; ++cup) {
        titles_[cup].Attach(GetItem(cupControls[cup].title));
        titles_[cup].SetLimitText(TitleLimit);
    }
    ShowLayout();
    for (int cup = 0; cup < Cups; ++cup) {
        if (ContinentPageLayout::ShowsCup(continent_, cup)) ShowCup(cup);
    }
    return TRUE;
}

void CDlgContinentCompetition::ShowLayout()
{
    for (int cup = 0; cup < Cups; ++cup) {
        const CupControls& ids = cupControls[cup];
        const bool shown = ContinentPageLayout::ShowsCup(continent_, cup);
        for (int id : {ids.title, ids.titleLabel, ids.defender, ids.defenderLabel, ids.chooseDefender, ids.stadium,
                       ids.stadiumLabel, ids.chooseStadium}) {
            ::ShowWindow(GetItem(id), shown ? SW_SHOW : SW_HIDE);
        }
    }
    const bool european = ContinentPageLayout::ShowsEuropeanButtons(continent_);
    for (int id : {IDC_CONTINENT_ASSESSMENT, IDC_CONTINENT_FAIRNESS}) ::ShowWindow(GetItem(id), european ? SW_SHOW : SW_HIDE);
}

void CDlgContinentCompetition::ShowCup(int cup)
{
    const TRulesAndMisc& rules = frame_.GetRules();
    titles_[cup].SetText(rules.GetCupTitle(continent_, cup, DatabaseLanguage()));
    ShowTeams(cup);
}

// Leaves the title edit alone, so a title typed before a choice stays.
void CDlgContinentCompetition::ShowTeams(int cup)
{
    const TRulesAndMisc& rules = frame_.GetRules();
    const TCompleteWorld* world = GetWorld();
    if (!world) return;
    ::SetWindowTextW(GetItem(cupControls[cup].defender),
                     reinterpret_cast<LPCWSTR>(FairnessPlaces::Name(*world, rules.GetCupDefender(continent_, cup)).c_str()));
    ::SetWindowTextW(GetItem(cupControls[cup].stadium),
                     reinterpret_cast<LPCWSTR>(FairnessPlaces::Name(*world, rules.GetCupStadium(continent_, cup)).c_str()));
}

void CDlgContinentCompetition::ChooseDefender(int cup)
{
    TRulesAndMisc& rules = frame_.GetRules();
    CDlgChooseClub picker(Handle());
    picker.SetContinentFilter(continent_);
    picker.SetSelectedClubId(rules.GetCupDefender(continent_, cup));
    if (picker.DoModal() != IDOK) return;
    rules.SetCupDefender(continent_, cup, picker.GetSelectedClubIdRef());
    ShowTeams(cup);
}

void CDlgContinentCompetition::ChooseStadium(int cup)
{
    TRulesAndMisc& rules = frame_.GetRules();
    CDlgChooseStadion picker(Handle());
    picker.SetSelectedClubId(rules.GetCupStadium(continent_, cup));
    if (picker.DoModal() != IDOK) return;
    rules.SetCupStadium(continent_, cup, picker.GetSelectedClubIdRef());
    ShowTeams(cup);
}

void CDlgContinentCompetition::StoreTitles()
{
    if (!Handle()) return;
    std::array<std::u16string, Cups> texts;
    for (int cup = 0; cup < Cups; ++cup) texts[cup] = titles_[cup].GetText();
    ContinentPageLayout::StoreTitles(frame_.GetRules(), continent_, DatabaseLanguage(), texts);
}

bool CDlgContinentCompetition::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED) return false;
    for (int cup = 0; cup < Cups; ++cup) {
        if (id == cupControls[cup].chooseDefender) {
            ChooseDefender(cup);
            return true;
        }
        if (id == cupControls[cup].chooseStadium) {
            ChooseStadium(cup);
            return true;
        }
    }
    if (id == IDC_CONTINENT_ASSESSMENT) {
        CDlg5Year dialog(Handle());
        dialog.DoModal();
        return true;
    }
    if (id == IDC_CONTINENT_FAIRNESS) {
        CDlgEuropeanFairness dialog(frame_.GetRules(), Handle());
        dialog.DoModal();
        return true;
    }
    return false;
}
