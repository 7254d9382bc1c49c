#include "editors/country_club/country/DlgLandCup.h"

#include "competition/CupAlloc.h"
#include "database/country/Country.h"
#include "database/world/CompleteWorld.h"
#include "resources/CountryCupIds.h"
#include "resources/CountryEditorIds.h"

namespace {

constexpr int NameIds[CupPageCups] = {IDC_CUP_NATIONAL_NAME, IDC_CUP_LEAGUE_NAME, IDC_CUP_LOWER_1_NAME,
                                      IDC_CUP_LOWER_2_NAME,  IDC_CUP_LOWER_3_NAME, IDC_CUP_SUPER_NAME};
constexpr int TypeIds[CupPageCups] = {IDC_CUP_NATIONAL_TYPE, IDC_CUP_LEAGUE_TYPE, IDC_CUP_LOWER_1_TYPE,
                                      IDC_CUP_LOWER_2_TYPE,  IDC_CUP_LOWER_3_TYPE, IDC_CUP_SUPER_TYPE};
// The kind of cup-allocation entry each cup is chosen from.
constexpr int CupKinds[CupPageCups] = {0, 1, 1, 1, 1, 2};
constexpr int AmountIds[CupRounds] = {IDC_CUP_ROUND_1, IDC_CUP_ROUND_2, IDC_CUP_ROUND_3, IDC_CUP_ROUND_4,
                                      IDC_CUP_ROUND_5, IDC_CUP_ROUND_QUARTER, IDC_CUP_ROUND_SEMI, IDC_CUP_ROUND_FINAL};
constexpr int GroupIds[] = {IDC_CUP_GROUP_NATIONAL, IDC_CUP_GROUP_LEAGUE, IDC_CUP_GROUP_LOWER,
                            IDC_CUP_GROUP_SUPER, IDC_CUP_GROUP_YELLOW_RED, IDC_CUP_GROUP_BONUS};
constexpr int YellowRedBanIds[YellowRedBanLeagues] = {IDC_CUP_YELLOW_RED_BAN_1, IDC_CUP_YELLOW_RED_BAN_2,
                                                      IDC_CUP_YELLOW_RED_BAN_3, IDC_CUP_YELLOW_RED_BAN_4,
                                                      IDC_CUP_YELLOW_RED_BAN_5};
constexpr int BanForAllIds[3] = {IDC_CUP_YELLOW_ALL, IDC_CUP_YELLOW_RED_ALL, IDC_CUP_RED_ALL};
constexpr int AmountMax = 99'999'999;

constexpr CDialogB::KeyValue YellowCardRules[] = {
    {u"Competition.YellowCardBan.1", 0}, {u"Competition.YellowCardBan.2", 1}, {u"Competition.YellowCardBan.3", 2},
    {u"Competition.YellowCardBan.4", 3}, {u"Competition.YellowCardBan.5", 4}, {u"Competition.YellowCardBan.6", 5},
    {nullptr, 0}};
constexpr CDialogB::KeyValue RedCardRules[] = {
    {u"Competition.RedCardBan.Immediately", 0}, {u"Competition.RedCardBan.NextMonday", 1}, {nullptr, 0}};

int Selected(const win::CComboBox& combo) { return static_cast<int>(CDialogB::GetComboSelData(combo, -1)); }

void Select(const win::CComboBox& combo, int value)
{
    combo.SetCurSel(-1);
    if (value >= 0) CDialogB::SelectComboByData(combo, value);
}

bool IsNameOrType(int id)
{
    for (int cup = 0; cup < CupPageCups; ++cup) {
        if (id == NameIds[cup] || id == TypeIds[cup]) return true;
    }
    return false;
}

}  // namespace

CDlgLandCup::CDlgLandCup(HWND parent) : CDialogB(IDD_COUNTRY_CUP, parent) {}

BOOL CDlgLandCup::OnInitDialog()
{
    CDialogB::OnInitDialog();
    for (std::size_t round = 0; round < amounts_.size(); ++round) {
        amounts_[round].SubclassDlgItem(AmountIds[round], *this);
        amounts_[round].SetRange(0, AmountMax);
    }
    for (std::size_t cup = 0; cup < names_.size(); ++cup) {
        names_[cup].Attach(GetItem(NameIds[cup]));
        names_[cup].SetLimitText(CupNameLength);
        types_[cup].Attach(GetItem(TypeIds[cup]));
    }
    for (std::size_t i = 0; i < groups_.size(); ++i) groups_[i].SubclassDlgItem(GroupIds[i], *this);
    finalStadium_.Attach(GetItem(IDC_CUP_FINAL_STADIUM));
    yellowLeagueRule_.Attach(GetItem(IDC_CUP_YELLOW_LEAGUE_RULE));
    yellowCupRule_.Attach(GetItem(IDC_CUP_YELLOW_CUP_RULE));
    redCardRule_.Attach(GetItem(IDC_CUP_RED_RULE));
    bonusCup_.Attach(GetItem(IDC_CUP_BONUS_CUP));
    FillStadiumListCombo(finalStadium_);
    return TRUE;
}

void CDlgLandCup::LoadCountry(TCountry* country)
{
    if (country == nullptr) return;
    country_ = country;
    const TCompleteWorld* world = country->GetWorld();
    language_ = world != nullptr ? world->GetDatabaseLanguage() : 0;
    ShowView(LoadCountryCups(*country, language_));
}

bool CDlgLandCup::Checked(int id) const { return ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED; }

void CDlgLandCup::Check(int id, bool on) const { ::CheckDlgButton(Handle(), id, on ? BST_CHECKED : BST_UNCHECKED); }

void CDlgLandCup::ShowView(const TCountryCupView& view)
{
    loading_ = true;
    prizes_ = TCupPrizeTable();
    for (int cup = 0; cup < CupPageCups; ++cup) {
        const auto at = static_cast<std::size_t>(cup);
        prizes_.SetCupSettings(cup, view.tables[at]);
        names_[at].SetText(view.names[at]);
        FillCupTypeCombo(cup, CupKinds[at], view.types[at]);
    }
    FillComboFromKeyTable(yellowLeagueRule_, YellowCardRules, static_cast<std::uint32_t>(view.yellowLeagueRule));
    FillComboFromKeyTable(yellowCupRule_, YellowCardRules, static_cast<std::uint32_t>(view.yellowCupRule));
    FillComboFromKeyTable(redCardRule_, RedCardRules, static_cast<std::uint32_t>(view.redCardRule));
    Check(IDC_CUP_HOME_ADVANTAGE, view.homeAdvantageLowerLeague);
    Check(IDC_CUP_TIED, view.playerCupTied);
    Check(IDC_CUP_YELLOW_LEAGUE_AFTER_RED, view.yellowAfterYellowRedLeague);
    Check(IDC_CUP_YELLOW_CUP_AFTER_RED, view.yellowAfterYellowRedCup);
    for (int i = 0; i < YellowRedBanLeagues; ++i) {
        Check(YellowRedBanIds[i], view.yellowRedBans[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < 3; ++i) Check(BanForAllIds[i], view.banForAll[static_cast<std::size_t>(i)]);
    cardFlags_ = view.cardFlags;
    const bool fixed = (cardFlags_ & FixedRedCardBanBit) != 0;
    Check(IDC_CUP_RED_FIXED, fixed);
    Check(IDC_CUP_RED_VARIABLE, !fixed);
    Check(IDC_CUP_BONUS_TYPE_BONUS, true);
    Check(IDC_CUP_BONUS_TYPE_TV, false);
    Select(finalStadium_, view.finalStadium);
    ShowAmounts();
    FillBonusCupCombo();
    loading_ = false;
}

void CDlgLandCup::FillCupTypeCombo(int cup, int kind, int stored)
{
    const win::CComboBox& combo = types_[static_cast<std::size_t>(cup)];
    const std::vector<TCupComboItem> items = CupTypeItems(GetCupAllocTable(), kind, stored, GetText(u"Dialog.Country.Cup.NoCup"_tk));
    combo.SetRedraw(false);
    combo.ResetContent();
    for (const TCupComboItem& item : items) {
        const int index = AddComboItem(combo, item.text.c_str(), item.data);
        if (item.data == stored) combo.SetCurSel(index);
    }
    combo.SetRedraw(true);
    combo.Invalidate();
}

int CDlgLandCup::SelectedType(int cup) const { return Selected(types_[static_cast<std::size_t>(cup)]); }

void CDlgLandCup::FillBonusCupCombo()
{
    std::array<int, CupPageCups> types{};
    std::array<std::u16string, CupPageCups> names;
    for (int cup = 0; cup < CupPageCups; ++cup) {
        const auto at = static_cast<std::size_t>(cup);
        types[at] = std::max(SelectedType(cup), 0);
        names[at] = names_[at].GetText();
    }
    const std::vector<TCupComboItem> items = BonusCupItems(types, names);
    bonusCup_.ResetContent();
    for (const TCupComboItem& item : items) AddComboItem(bonusCup_, item.text.c_str(), item.data);
    const int selection = BonusCupSelection(items, prizes_.GetCurrentCup());
    bonusCup_.SetCurSel(selection);
    // When the current cup is gone its amounts stay kept and item 0's are shown.
    if (selection >= 0 && items[static_cast<std::size_t>(selection)].data != prizes_.GetCurrentCup()) {
        prizes_.ChooseCup(ShownAmounts(), items[static_cast<std::size_t>(selection)].data);
        ShowAmounts();
    }
    EnableKeptRounds();
}

TCupAmounts CDlgLandCup::ShownAmounts()
{
    TCupAmounts shown{};
    for (std::size_t round = 0; round < amounts_.size(); ++round) shown[round] = static_cast<std::uint32_t>(amounts_[round].GetValue());
    return shown;
}

void CDlgLandCup::ShowAmounts()
{
    const TCupAmounts shown = prizes_.Shown();
    for (std::size_t round = 0; round < amounts_.size(); ++round) {
        amounts_[round].SetValue(static_cast<int>(std::min<std::uint32_t>(shown[round], AmountMax)));
    }
    EnableKeptRounds();
}

void CDlgLandCup::EnableKeptRounds()
{
    // A cup's file keeps the rounds its shape plays; others are not offered.
    const int type = SelectedType(prizes_.GetCurrentCup());
    for (std::size_t round = 0; round < amounts_.size(); ++round) {
        amounts_[round].Enable(IsCupRoundKept(GetCupAllocTable(), type, static_cast<int>(round)));
    }
}

void CDlgLandCup::OnBonusCupChanged()
{
    const int cup = Selected(bonusCup_);
    if (cup < 0) return;
    prizes_.ChooseCup(ShownAmounts(), cup);
    ShowAmounts();
}

void CDlgLandCup::OnAmountType(int type)
{
    prizes_.ChooseType(ShownAmounts(), type);
    ShowAmounts();
}

bool CDlgLandCup::OnCommand(int id, int code, HWND control)
{
    if (loading_) return false;
    if (code == BN_CLICKED && (id == IDC_CUP_RED_FIXED || id == IDC_CUP_RED_VARIABLE)) {
        cardFlags_ = WithFixedRedCardBan(cardFlags_, id == IDC_CUP_RED_FIXED);
        return true;
    }
    if (code == BN_CLICKED && (id == IDC_CUP_BONUS_TYPE_BONUS || id == IDC_CUP_BONUS_TYPE_TV)) {
        OnAmountType(id == IDC_CUP_BONUS_TYPE_BONUS ? CupTypeBonus : CupTypeTelevision);
        return true;
    }
    if (id == IDC_CUP_BONUS_CUP && code == CBN_SELCHANGE) {
        OnBonusCupChanged();
        return true;
    }
    if (IsNameOrType(id) && (code == CBN_SELCHANGE || code == EN_CHANGE)) {
        FillBonusCupCombo();
        return true;
    }
    return false;
}

TCountryCupView CDlgLandCup::ReadView()
{
    TCountryCupView view;
    prizes_.Keep(ShownAmounts());
    for (int cup = 0; cup < CupPageCups; ++cup) {
        const auto at = static_cast<std::size_t>(cup);
        view.types[at] = SelectedType(cup);
        view.names[at] = names_[at].GetText();
        view.tables[at] = prizes_.GetCupSettings(cup);
    }
    view.finalStadium = Selected(finalStadium_);
    view.yellowLeagueRule = Selected(yellowLeagueRule_);
    view.yellowCupRule = Selected(yellowCupRule_);
    view.redCardRule = Selected(redCardRule_);
    view.homeAdvantageLowerLeague = Checked(IDC_CUP_HOME_ADVANTAGE);
    view.playerCupTied = Checked(IDC_CUP_TIED);
    view.yellowAfterYellowRedLeague = Checked(IDC_CUP_YELLOW_LEAGUE_AFTER_RED);
    view.yellowAfterYellowRedCup = Checked(IDC_CUP_YELLOW_CUP_AFTER_RED);
    for (int i = 0; i < YellowRedBanLeagues; ++i) {
        view.yellowRedBans[static_cast<std::size_t>(i)] = Checked(YellowRedBanIds[i]);
    }
    for (int i = 0; i < 3; ++i) view.banForAll[static_cast<std::size_t>(i)] = Checked(BanForAllIds[i]);
    view.cardFlags = cardFlags_;
    return view;
}

void CDlgLandCup::StoreCountry()
{
    if (country_ == nullptr) return;
    StoreCountryCups(ReadView(), *country_, language_);
}
