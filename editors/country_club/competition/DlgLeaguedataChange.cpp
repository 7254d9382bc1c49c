#include "editors/country_club/competition/DlgLeaguedataChange.h"

#include <string>

#include "competition/League.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/world/EnumTexts.h"
#include "database/world/WorldList.h"
#include "editors/country_club/model/country/LeagueSystemModel.h"
#include "resources/CountryEditorIds.h"

namespace {

constexpr int RoundIds[] = {IDC_LEAGUE_ROUNDS_2, IDC_LEAGUE_ROUNDS_3, IDC_LEAGUE_ROUNDS_4};
constexpr int MoneyIds[] = {IDC_LEAGUE_TV_BONUS, IDC_LEAGUE_CHAMPION_BONUS, IDC_LEAGUE_PLACE_DEDUCTION};
constexpr int FlagIds[] = {IDC_LEAGUE_LOCAL_FREE_AGENTS, IDC_LEAGUE_FOREIGN_FREE_AGENTS, IDC_LEAGUE_LOAN_CANCEL};
constexpr int GroupIds[] = {IDC_LEAGUE_GROUP_COMMON, IDC_LEAGUE_GROUP_ROUNDS, IDC_LEAGUE_GROUP_MULTIPLIER,
                            IDC_LEAGUE_GROUP_TRANSFER, IDC_LEAGUE_GROUP_RELEGATION, IDC_LEAGUE_GROUP_SORT,
                            IDC_LEAGUE_GROUP_FOREIGNERS};
// The controls a league script decides.
constexpr int ScriptControlIds[] = {IDC_LEAGUE_RELEGATION, IDC_LEAGUE_SIZE, IDC_LEAGUE_ROUNDS_2, IDC_LEAGUE_ROUNDS_3,
                                    IDC_LEAGUE_ROUNDS_4, IDC_LEAGUE_RESERVES, IDC_LEAGUE_SORT};
constexpr TextKey ForeignerKeys[] = {u"Competition.ForeignerRule.No"_tk, u"Competition.ForeignerRule.NonEU1"_tk,
                                     u"Competition.ForeignerRule.NonEU2"_tk, u"Competition.ForeignerRule.NonEU3"_tk,
                                     u"Competition.ForeignerRule.NonEU4"_tk, u"Competition.ForeignerRule.NonEU5"_tk,
                                     u"Competition.ForeignerRule.NonEU6"_tk, u"Competition.ForeignerRule.NonEU7"_tk};
constexpr TextKey SortKeys[] = {u"Competition.SortRuleOnEqualPoints.0"_tk, u"Competition.SortRuleOnEqualPoints.1"_tk,
                                u"Competition.SortRuleOnEqualPoints.2"_tk};

std::u16string Number(int value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

int Selected(const win::CComboBox& combo) { return static_cast<int>(CDialogB::GetComboSelData(combo, -1)); }

void Select(const win::CComboBox& combo, int value)
{
    combo.SetCurSel(-1);
    if (value >= 0) CDialogB::SelectComboByData(combo, value);
}

}  // namespace

CDlgLeaguedataChange::CDlgLeaguedataChange(HWND parent) : CDialogB(IDD_LEAGUE_DATA, parent) {}

void CDlgLeaguedataChange::SetLeague(CDBLeague& league, int system, int level, const TLeagueLevelRules& rules,
                                     bool scriptCountry)
{
    league_ = &league;
    const TCompleteWorld* world = GetWorld();
    context_ = {system, level, scriptCountry, world != nullptr ? world->GetDatabaseLanguage() : 0};
    rules_ = rules;
}

BOOL CDlgLeaguedataChange::OnInitDialog()
{
    CDialogB::OnInitDialog();
    name_.Attach(GetItem(IDC_LEAGUE_NAME));
    name_.SetLimitText(LeagueNameCapacity);
    size_.Attach(GetItem(IDC_LEAGUE_SIZE));
    relegation_.Attach(GetItem(IDC_LEAGUE_RELEGATION));
    sort_.Attach(GetItem(IDC_LEAGUE_SORT));
    foreigner_.Attach(GetItem(IDC_LEAGUE_FOREIGNERS));
    for (std::size_t i = 0; i < numbers_.size(); ++i) numbers_[i].Attach(GetItem(LeagueNumberCombos[i].controlId));
    for (std::size_t i = 0; i < money_.size(); ++i) {
        money_[i].SubclassDlgItem(MoneyIds[i], *this);
        money_[i].SetRange(0, LeagueMoneyMax);
    }
    attendance_.SubclassDlgItem(IDC_LEAGUE_ATTENDANCE, *this);
    transfer_.SubclassDlgItem(IDC_LEAGUE_TRANSFER, *this);
    for (Halvane::MFC::CSpinEditCtrl* spin : {&attendance_, &transfer_}) {
        spin->SetRangeFloat(0.0f, static_cast<float>(LeagueMultiplierMax), 2);
    }
    maxNonEu_.SubclassDlgItem(IDC_LEAGUE_MAX_NON_EU, *this);
    maxNonEu_.SetRange(0, 20);
    maxNonEuAge_.SubclassDlgItem(IDC_LEAGUE_MAX_NON_EU_AGE, *this);
    maxNonEuAge_.SetRange(18, 31);
    for (std::size_t i = 0; i < groups_.size(); ++i) groups_[i].SubclassDlgItem(GroupIds[i], *this);
    for (int teams = LeagueSizeMin; teams <= LeagueSizeMax; ++teams) {
        AddComboItem(size_, CTextManager::Instance()->FormatInt(teams), teams);
    }
    if (league_ == nullptr) return TRUE;
    shown_ = LoadLeagueData(*league_, rules_, context_);
    ShowView(shown_);
    if (context_.scriptCountry) {
        for (int id : ScriptControlIds) ::EnableWindow(GetItem(id), FALSE);
    }
    return TRUE;
}

void CDlgLeaguedataChange::ShowView(const TLeagueDataView& view)
{
    name_.SetText(view.name);
    Select(size_, view.size);
    CheckRounds(view.rounds);
    attendance_.SetValueFloat(static_cast<float>(view.attendance));
    transfer_.SetValueFloat(static_cast<float>(view.transfer));
    for (std::size_t i = 0; i < money_.size(); ++i) money_[i].SetValue(view.money[i]);
    foreigner_.ResetContent();
    for (int rule = 0; rule < LeagueForeignerRuleCount; ++rule) AddComboItem(foreigner_, GetText(ForeignerKeys[rule]), rule);
    Select(foreigner_, view.foreigner);
    sort_.ResetContent();
    for (std::size_t i = 0; i < LeagueSortRules.size(); ++i) AddComboItem(sort_, GetText(SortKeys[i]), LeagueSortRules[i]);
    Select(sort_, view.sort);
    FillRelegationCombo(view.relegation);
    ::CheckDlgButton(Handle(), IDC_LEAGUE_RESERVES, view.reserves ? BST_CHECKED : BST_UNCHECKED);
    for (std::size_t i = 0; i < numbers_.size(); ++i) FillNumberCombo(numbers_[i], LeagueNumberCombos[i], view.numbers[i]);
    maxNonEu_.SetValue(view.maxNonEuSignings);
    maxNonEuAge_.SetValue(view.maxNonEuSigningAge);
    for (std::size_t bit = 0; bit < view.flags.size(); ++bit) {
        ::CheckDlgButton(Handle(), FlagIds[bit], view.flags[bit] ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CDlgLeaguedataChange::FillRelegationCombo(int selected)
{
    relegation_.SetRedraw(false);
    relegation_.ResetContent();
    for (int rule : OfferedRelegationRules(context_.system, context_.level)) {
        const int item = AddComboItem(relegation_, GetEnumTexts().GetRelegationRuleName(rule), rule);
        if (rule == selected) relegation_.SetCurSel(item);
    }
    relegation_.SetRedraw(true);
}

void CDlgLeaguedataChange::FillNumberCombo(const win::CComboBox& combo, const TLeagueNumberCombo& numbers, int selected)
{
    combo.ResetContent();
    for (int value = 0; value < numbers.itemCount; ++value) {
        const bool dash = numbers.hasDash && value == numbers.itemCount - 1;
        AddComboItem(combo, dash ? u"-" : Number(value).c_str(), value);
    }
    Select(combo, selected);
}

void CDlgLeaguedataChange::CheckRounds(int rounds)
{
    rounds_ = rounds;
    for (int i = 0; i < 3; ++i) ::CheckDlgButton(Handle(), RoundIds[i], rounds == i + 2 ? BST_CHECKED : BST_UNCHECKED);
}

bool CDlgLeaguedataChange::OnCommand(int id, int code, HWND control)
{
    for (int i = 0; i < 3; ++i) {
        if (id == RoundIds[i] && code == BN_CLICKED) {
            CheckRounds(i + 2);
            return true;
        }
    }
    return false;
}

TLeagueDataView CDlgLeaguedataChange::ReadView()
{
    TLeagueDataView view = shown_;
    view.name = name_.GetText();
    view.size = Selected(size_);
    view.rounds = rounds_;
    view.attendance = attendance_.GetValueFloat();
    view.transfer = transfer_.GetValueFloat();
    for (std::size_t i = 0; i < money_.size(); ++i) view.money[i] = money_[i].GetValue();
    for (std::size_t i = 0; i < numbers_.size(); ++i) view.numbers[i] = Selected(numbers_[i]);
    view.maxNonEuSignings = maxNonEu_.GetValue();
    view.maxNonEuSigningAge = maxNonEuAge_.GetValue();
    for (std::size_t bit = 0; bit < view.flags.size(); ++bit) {
        view.flags[bit] = ::IsDlgButtonChecked(Handle(), FlagIds[bit]) == BST_CHECKED;
    }
    view.relegation = Selected(relegation_);
    view.foreigner = Selected(foreigner_);
    view.sort = Selected(sort_);
    view.reserves = ::IsDlgButtonChecked(Handle(), IDC_LEAGUE_RESERVES) == BST_CHECKED;
    return view;
}

void CDlgLeaguedataChange::OnOK()
{
    if (league_ != nullptr) rules_ = StoreLeagueData(ReadView(), *league_, rules_, context_);
    CDialogB::OnOK();
}
