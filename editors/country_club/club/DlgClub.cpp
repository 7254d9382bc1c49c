#include "editors/country_club/club/DlgClub.h"

#include <algorithm>

#include "app/LedraApp.h"
#include "competition/CompetitionId.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/country/CountryCompetitions.h"
#include "database/club/ReferenceLists.h"
#include "database/world/WorldList.h"
#include "editors/country_club/model/club/ClubArticleTable.h"
#include "editors/country_club/model/country/LowestLeagueLevel.h"
#include "resources/ClubEditorIds.h"
#include "ui/base/ButtonTextWrapping.h"
#include "ui/skin/RepaintUnder.h"
#include "win/DataExchange.h"

namespace {

using Halvane::MFC::CSpinEditCtrl;

struct TSpinSetting {
    int id;
    int minimum;
    int maximum;
};

// Foundation year, national and international prestige, the three
// spectator figures, initial capital and game-start points.
constexpr std::array<TSpinSetting, 8> Spins = {{
    {IDC_CLUB_FOUNDATION_YEAR, 1800, 2007},
    {IDC_CLUB_PRESTIGE_NATIONAL, 0, 20},
    {IDC_CLUB_PRESTIGE_INTERNATIONAL, 0, 20},
    {IDC_CLUB_SPECTATOR_POTENTIAL, 0, 250000},
    {IDC_CLUB_SPECTATOR_AVERAGE, 0, 250000},
    {IDC_CLUB_SPECTATOR_HARDCORE, 0, 250000},
    {IDC_CLUB_INITIAL_CAPITAL, -50000000, 150000000},
    {IDC_CLUB_GAMESTART_POINTS, -30, 0},
}};
enum SpinIndex { FoundationYear, PrestigeNational, PrestigeInternational, Potential, Average, Hardcore, Capital, GameStart };

constexpr std::array<int, 5> ClubComboIds = {IDC_CLUB_FRIENDSHIP, IDC_CLUB_RIVAL0, IDC_CLUB_RIVAL1, IDC_CLUB_RIVAL2,
                                             IDC_CLUB_RIVAL3};
constexpr std::array<int, 3> LeagueComboIds = {IDC_CLUB_LOWEST_LEAGUE0, IDC_CLUB_LOWEST_LEAGUE1, IDC_CLUB_LOWEST_LEAGUE2};
// The combos whose choice the page writes back.
bool IsStoredCombo(int id)
{
    return std::ranges::find(ClubComboIds, id) != ClubComboIds.end() ||
           std::ranges::find(LeagueComboIds, id) != LeagueComboIds.end();
}

constexpr std::array<int, 3> ArticleIds = {IDC_CLUB_ARTICLE0, IDC_CLUB_ARTICLE1, IDC_CLUB_ARTICLE2};
constexpr std::array<int, 3> CheckIds = {IDC_CLUB_JOINT_STOCK, IDC_CLUB_NOT_IN_ITCUP, IDC_CLUB_RICH_GUY};

// Most edits take what the record keeps. The fan names and the mascot take
// more, of which the record keeps its part; the fan sites take half of what
// the record could keep; town, telephone and website are not limited.
constexpr int FanNameEditLimit = 30;
constexpr int MascotEditLimit = 19;
constexpr int FansitesEditLimit = 128;
struct TEditLimit {
    int id;
    int limit;
};
constexpr std::array<TEditLimit, 8> EditLimits = {{
    {IDC_CLUB_NAME, TClub::NameCapacity - 1},
    {IDC_CLUB_SHORT_NAME, TClub::ShortNameCapacity - 1},
    {IDC_CLUB_ABBREVIATION, TClub::AbbreviationCapacity - 1},
    {IDC_CLUB_ADDRESS, TClub::AddressCapacity - 1},
    {IDC_CLUB_FANSITES, FansitesEditLimit},
    {IDC_CLUB_FAN_NAME1, FanNameEditLimit},
    {IDC_CLUB_FAN_NAME2, FanNameEditLimit},
    {IDC_CLUB_MASCOT, MascotEditLimit},
}};

constexpr std::uint32_t RichGuyFlag = TClub::RichGuyControlled;
constexpr TTeamId AdminIdMask = 0xFEFFFFFF;

void CopyField(std::u16string& member, const char16_t* text)
{
    member = text != nullptr ? text : u"";
}

}  // namespace

void FillComboFromTextFile(const win::CComboBox& combo, const CBaseTextFile& list, std::uint32_t selected)
{
    combo.ResetContent();
    for (int index = 0; index < list.GetCount(); ++index) {
        const int item = combo.AddString(list.GetText(index));
        if (item < 0) continue;
        combo.SetItemData(item, static_cast<LPARAM>(list.GetId(index)));
        if (list.GetId(index) == selected) combo.SetCurSel(item);
    }
}

CDlgClub::CDlgClub(HWND parent) : CDialogB(IDD_CLUB_COMMON, parent) {}

int CDlgClub::Language() const
{
    return GetWorld() != nullptr ? GetWorld()->GetDatabaseLanguage() : 0;
}

BOOL CDlgClub::OnInitDialog()
{
    CDialogB::OnInitDialog();
    for (std::size_t i = 0; i < Spins.size(); ++i) spins_[i].SubclassDlgItem(Spins[i].id, *this);
    mediaPressure_.SubclassDlgItem(IDC_CLUB_MEDIA_PRESSURE, *this);
    for (std::size_t i = 0; i < ClubComboIds.size(); ++i) clubCombos_[i].SubclassDlgItem(ClubComboIds[i], *this);
    for (std::size_t i = 0; i < LeagueComboIds.size(); ++i) leagueCombos_[i].SubclassDlgItem(LeagueComboIds[i], *this);
    language_.SubclassDlgItem(IDC_CLUB_LANGUAGE, *this);
    for (const TEditLimit& edit : EditLimits) ::SendDlgItemMessageW(Handle(), edit.id, EM_LIMITTEXT, edit.limit, 0);
    SetUpSpins();
    const KeyValue languages[] = {{u"Dialog.Control.LocaleListCtrl.German"_tk.key, 0},
                                  {u"Dialog.Control.LocaleListCtrl.English"_tk.key, 1},
                                  {u"Dialog.Control.LocaleListCtrl.French"_tk.key, 2},
                                  {u"Dialog.Control.LocaleListCtrl.Spain"_tk.key, 3},
                                  {u"Dialog.Control.LocaleListCtrl.Italian"_tk.key, 4},
                                  {nullptr, 0}};
    FillComboFromKeyTable(language_, languages, static_cast<std::uint32_t>(Language()));
    language_.Show(IsAdminMode());
    const char16_t* pressures[] = {GetText(u"Club.MediaPressure.00"_tk), GetText(u"Club.MediaPressure.01"_tk),
                                   GetText(u"Club.MediaPressure.02"_tk), GetText(u"Club.MediaPressure.03"_tk), nullptr};
    std::array<std::u16string, 4> copies;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        copies[i] = pressures[i];
        pressures[i] = copies[i].c_str();
    }
    mediaPressure_.SetTexts(pressures);
    commonCaption_ = GetText(u"Dialog.Club.Common.Common"_tk);
    return TRUE;
}

void CDlgClub::SetUpSpins()
{
    for (std::size_t i = 0; i < Spins.size(); ++i) spins_[i].SetRange(Spins[i].minimum, Spins[i].maximum);
    spins_[FoundationYear].SetFlags(CSpinEditCtrl::PlainDigits);
    spins_[Capital].SetAcceleration(100000, 500000, 1000000);
}

void CDlgClub::DoDataExchange(win::CDataExchange& exchange)
{
    exchange.Text(IDC_CLUB_NAME, texts_.name);
    exchange.Text(IDC_CLUB_SHORT_NAME, texts_.shortName);
    exchange.Text(IDC_CLUB_ABBREVIATION, texts_.abbreviation);
    exchange.Text(IDC_CLUB_TOWN, texts_.town);
    exchange.Text(IDC_CLUB_ADDRESS, texts_.address);
    exchange.Text(IDC_CLUB_FANSITES, texts_.fansites);
    exchange.Text(IDC_CLUB_FAN_NAME1, texts_.fanName1);
    exchange.Text(IDC_CLUB_FAN_NAME2, texts_.fanName2);
    exchange.Text(IDC_CLUB_MASCOT, texts_.mascot);
    exchange.Text(IDC_CLUB_TELEPHONE, texts_.telephone);
    exchange.Text(IDC_CLUB_WEBSITE, texts_.website);
}

void CDlgClub::LoadClub(TClub* club, TCountry* country)
{
    if (club == nullptr) return;
    changes_.BeginShowing();
    club_ = club;
    country_ = country;
    CopyField(texts_.abbreviation, club->GetAbbreviation());
    CopyField(texts_.shortName, club->GetShortName());
    CopyField(texts_.address, club->GetAddress());
    CopyField(texts_.fansites, club->GetFansites());
    CopyField(texts_.fanName1, club->GetFanName1());
    CopyField(texts_.fanName2, club->GetFanName2());
    CopyField(texts_.mascot, club->GetMascot());
    CopyField(texts_.name, club->GetName());
    CopyField(texts_.telephone, club->GetTelephone());
    CopyField(texts_.town, club->GetTown());
    CopyField(texts_.website, club->GetWebsite());
    loadedTexts_ = texts_;

    spins_[FoundationYear].SetValue(club->GetFoundationYear());
    spins_[Potential].SetValue(static_cast<int>(club->GetClubValue(0)));
    spins_[Average].SetValue(static_cast<int>(club->GetClubValue(1)));
    spins_[Hardcore].SetValue(static_cast<int>(club->GetClubValue(2)));
    ShowCounts();
    ::SetDlgItemTextW(Handle(), IDC_CLUB_UNIQUE_ID, reinterpret_cast<LPCWSTR>(Format(u"%08X", club->GetUniqueId()).c_str()));
    FillClubCombo(clubCombos_[0], club->GetPartnerClub());
    for (int rival = 0; rival < TClub::RivalCount; ++rival) FillClubCombo(clubCombos_[static_cast<std::size_t>(rival + 1)], club->GetRival(rival));
    spins_[Capital].SetValue(club->GetInitialCapital());
    mediaPressure_.SetValue(club->GetMediaPressure());
    ::CheckDlgButton(Handle(), IDC_CLUB_RICH_GUY, club->HasFlags(RichGuyFlag) ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Handle(), IDC_CLUB_JOINT_STOCK, club->IsJointStockCompany() ? BST_CHECKED : BST_UNCHECKED);
    spins_[GameStart].SetValue(club->GetGameStartPoints());
    spins_[PrestigeNational].SetValue(club->GetPrestigeNational());
    spins_[PrestigeInternational].SetValue(club->GetPrestigeInternational());
    ::CheckDlgButton(Handle(), IDC_CLUB_NOT_IN_ITCUP, club->IsNotInITCup() ? BST_CHECKED : BST_UNCHECKED);
    FillLowestLeagueCombos();
    ShowAdminCaption();
    UpdateData(false);
    ShowArticles();
    ShowPhrases();
    loadedNumbers_ = ReadNumbers();
    changes_.EndShowing();
}

void CDlgClub::ShowCounts()
{
    CTextManager* texts = CTextManager::Instance();
    const std::array<std::pair<int, int>, 2> counts = {{{IDC_CLUB_PLAYERS_FIRST, 0}, {IDC_CLUB_PLAYERS_RESERVE, 1}}};
    for (const auto& [id, team] : counts) {
        ::SetDlgItemTextW(Handle(), id, reinterpret_cast<LPCWSTR>(texts->FormatInt(club_->GetPlayerCountInTeam(team))));
    }
    const std::array<std::pair<int, int>, 2> levels = {{{IDC_CLUB_LEVEL_FIRST, 0}, {IDC_CLUB_LEVEL_RESERVE, 1}}};
    for (const auto& [id, team] : levels) {
        ::SetDlgItemTextW(Handle(), id, reinterpret_cast<LPCWSTR>(texts->FormatFloat(club_->GetAverageLevel(team), 2)));
    }
}

void CDlgClub::ShowAdminCaption()
{
    if (Handle() == nullptr || !IsAdminMode()) return;
    const std::u16string caption = Format(u"%s (HexID: %.8X  |  Qaro-ID: %d)", commonCaption_,
                                          club_->GetId() & AdminIdMask, club_->GetQaroId());
    SetButtonCaption(GetItem(IDC_CLUB_GROUP_COMMON), caption);
}

void CDlgClub::FillClubCombo(const win::CComboBox& combo, std::uint32_t selected)
{
    combo.ResetContent();
    const int none = AddComboItem(combo, GetText(u"Common.NotAvailable"_tk), 0);
    if (selected == 0) combo.SetCurSel(none);
    if (country_ == nullptr) return;
    for (int index = 0;; ++index) {
        const TClub* other = country_->GetClubByIndex(index);
        if (other == nullptr) break;
        if (other->GetId() == club_->GetId()) continue;
        const int item = AddComboItem(combo, other->GetName(), static_cast<LPARAM>(other->GetId()));
        if (other->GetId() == selected) combo.SetCurSel(item);
    }
}

void CDlgClub::FillLowestLeagueCombos()
{
    for (const win::CComboBox& combo : leagueCombos_) {
        combo.ResetContent();
        AddComboItem(combo, GetText(u"Common.NotAvailable"_tk), 0);
    }
    if (country_ != nullptr) {
        for (const int index : LowestLevelLeagueIndexes(country_->GetLeagueLevels())) {
            const std::uint32_t id = country_->GetLeagueId(index);
            const std::u16string name = GetCompetitionNameById(country_->GetCompetitionRegistry(), id);
            for (const win::CComboBox& combo : leagueCombos_) AddComboItem(combo, name.c_str(), static_cast<LPARAM>(id));
        }
    }
    for (int i = 0; i < static_cast<int>(leagueCombos_.size()); ++i) {
        const win::CComboBox& combo = leagueCombos_[static_cast<std::size_t>(i)];
        combo.SetCurSel(combo.FindItemData(static_cast<LPARAM>(club_->GetLowestLeague(i))));
    }
}

void CDlgClub::ShowArticles()
{
    const int language = Language();
    for (int form = 0; form < TClub::NameForms; ++form) {
        const HWND button = ::GetDlgItem(Handle(), ArticleIds[static_cast<std::size_t>(form)]);
        ::SetWindowTextW(button, reinterpret_cast<LPCWSTR>(ClubArticleText(language, club_->GetArticle(language, form))));
        ::EnableWindow(button, HasArticleChoice(language));
    }
}

void CDlgClub::ShowPhrases()
{
    const int language = Language();
    const int usage = club_->GetPhraseUsageForLanguage(language);
    for (int which = 0; which < 2; ++which) {
        const HWND button = ::GetDlgItem(Handle(), which == 0 ? IDC_CLUB_PHRASE1 : IDC_CLUB_PHRASE2);
        SetWrappedButtonText(button, ClubPhraseExample(language, which, usage, texts_.name));
        ::EnableWindow(button, HasPhraseChoice(language));
    }
}

CDlgClub::TNumbers CDlgClub::ReadNumbers()
{
    TNumbers numbers;
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        spins_[i].UpdateFromText();
        numbers.spins[i] = spins_[i].GetValue();
    }
    numbers.mediaPressure = mediaPressure_.GetValue();
    for (std::size_t i = 0; i < CheckIds.size(); ++i) numbers.checks[i] = ::IsDlgButtonChecked(Handle(), CheckIds[i]) == BST_CHECKED;
    return numbers;
}

void CDlgClub::StoreClub()
{
    if (club_ == nullptr) return;
    UpdateData(true);
    StoreTexts();
    StoreCombos();
    StoreNumbers();
}

void CDlgClub::StoreTexts()
{
    const TTexts& was = loadedTexts_;
    const TTexts& now = texts_;
    if (now.abbreviation != was.abbreviation) club_->SetAbbreviation(now.abbreviation.c_str());
    if (now.shortName != was.shortName) club_->SetShortName(now.shortName.c_str());
    if (now.address != was.address) club_->SetAddress(now.address.c_str());
    if (now.fansites != was.fansites) club_->SetFansites(now.fansites.c_str());
    if (now.fanName1 != was.fanName1) club_->SetFanName1(now.fanName1.c_str());
    if (now.fanName2 != was.fanName2) club_->SetFanName2(now.fanName2.c_str());
    if (now.mascot != was.mascot) club_->SetMascot(now.mascot.c_str());
    if (now.name != was.name) club_->SetName(now.name.c_str());
    if (now.telephone != was.telephone) club_->SetTelephone(now.telephone.c_str());
    if (now.town != was.town) club_->SetTown(now.town.c_str());
    if (now.website != was.website) club_->SetWebsite(now.website.c_str());
    loadedTexts_ = texts_;
}

std::optional<std::uint32_t> CDlgClub::ChosenId(const win::CComboBox& combo) const
{
    const int item = combo.GetCurSel();
    if (!changes_.Has(combo.Handle()) || item < 0) return std::nullopt;
    return static_cast<std::uint32_t>(combo.GetItemData(item));
}

void CDlgClub::StoreCombos()
{
    // A combo the user left shows no item for a friend or rival of another
    // country, or for a club of a country file kept damaged: the stored id
    // stays.
    if (const auto id = ChosenId(clubCombos_[0]); id && *id != club_->GetPartnerClub()) club_->SetPartnerClub(*id);
    for (int rival = 0; rival < TClub::RivalCount; ++rival) {
        const auto id = ChosenId(clubCombos_[static_cast<std::size_t>(rival + 1)]);
        if (id && *id != club_->GetRival(rival)) club_->SetRival(rival, *id);
    }
    for (int i = 0; i < static_cast<int>(leagueCombos_.size()); ++i) {
        const auto id = ChosenId(leagueCombos_[static_cast<std::size_t>(i)]);
        if (id && *id != club_->GetLowestLeague(i)) club_->SetLowestLeague(i, *id);
    }
    changes_.Clear();
}

void CDlgClub::StoreNumbers()
{
    const TNumbers now = ReadNumbers();
    const TNumbers& was = loadedNumbers_;
    const auto changed = [&](int index) { return now.spins[static_cast<std::size_t>(index)] != was.spins[static_cast<std::size_t>(index)]; };
    const auto value = [&](int index) { return now.spins[static_cast<std::size_t>(index)]; };
    if (changed(Potential)) club_->SetClubValue(0, static_cast<std::uint32_t>(value(Potential)));
    if (changed(Average)) club_->SetClubValue(1, static_cast<std::uint32_t>(value(Average)));
    if (changed(Hardcore)) club_->SetClubValue(2, static_cast<std::uint32_t>(value(Hardcore)));
    if (now.checks[0] != was.checks[0]) club_->SetJointStockCompany(now.checks[0]);
    if (changed(Capital)) club_->SetInitialCapital(value(Capital));
    if (changed(FoundationYear)) club_->SetFoundationYear(static_cast<std::uint16_t>(value(FoundationYear)));
    if (changed(PrestigeNational)) club_->SetPrestigeNational(static_cast<std::uint8_t>(value(PrestigeNational)));
    if (changed(PrestigeInternational)) club_->SetPrestigeInternational(static_cast<std::uint8_t>(value(PrestigeInternational)));
    if (now.checks[1] != was.checks[1]) club_->SetNotInITCup(now.checks[1]);
    if (now.mediaPressure != was.mediaPressure) club_->SetMediaPressure(static_cast<std::uint8_t>(now.mediaPressure));
    if (now.checks[2] != was.checks[2]) club_->SetFlags(RichGuyFlag, now.checks[2]);
    if (changed(GameStart)) club_->SetGameStartPoints(static_cast<std::int8_t>(value(GameStart)));
    loadedNumbers_ = now;
}

bool CDlgClub::OnCommand(int id, int code, HWND control)
{
    if (changes_.IsShowing() || club_ == nullptr) return false;
    if (code == CBN_SELCHANGE && IsStoredCombo(id)) {
        changes_.Note(control);
        return true;
    }
    if (code == BN_CLICKED) {
        for (int form = 0; form < TClub::NameForms; ++form) {
            if (id == ArticleIds[static_cast<std::size_t>(form)]) {
                OnArticle(form);
                return true;
            }
        }
        if (id == IDC_CLUB_PHRASE1 || id == IDC_CLUB_PHRASE2) {
            OnPhrase();
            return true;
        }
    }
    if (id == IDC_CLUB_NAME && code == EN_CHANGE) {
        UpdateData(true);
        ShowPhrases();
        return true;
    }
    if (id == IDC_CLUB_LANGUAGE && code == CBN_SELCHANGE) {
        OnLanguageChange();
        return true;
    }
    return false;
}

void CDlgClub::OnArticle(int form)
{
    const int language = Language();
    club_->SetArticle(language, form, NextArticleIndex(language, club_->GetArticle(language, form)));
    ShowArticles();
}

void CDlgClub::OnPhrase()
{
    const int language = Language();
    club_->SetPhraseUsage(language, NextPhraseIndex(language, club_->GetPhraseUsageForLanguage(language)));
    ShowPhrases();
}

void CDlgClub::OnLanguageChange()
{
    StoreClub();
    LoadClub(club_, country_);
}
