#include "app/DlgMainMenu.h"

#include "app/AdministrationTools.h"
#include "app/DlgSplash.h"
#include "app/MainWindowLaunchers.h"
#include "ui/render/RenderManager.h"
#include "ui/skin/RepaintUnder.h"
#include "app/LedraApp.h"
#include "app/ToolServices.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/CountryCompetitions.h"
#include "database/world/EnumTexts.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Stadium.h"
#include "database/world/WorldList.h"
#include "resources/ResourceIds.h"
#include "core/files/FileMessages.h"

namespace {

constexpr int FirstCountry = 1;
constexpr int LastCountry = 206;
constexpr int bannerBitmaps[] = {IDB_BANNER_ENGLISH, IDB_BANNER_FRENCH,  IDB_BANNER_GERMAN,
                                 IDB_BANNER_ITALIAN, IDB_BANNER_SPANISH, IDB_BANNER_POLISH};
// The panels' figures in the order of MainStatistics: leagues, clubs,
// players, average best-position rating, average level, talent classes 0 to
// 4, position groups 1 to 4.
constexpr int countryStatisticIds[DlgMainMenu::StatisticCount] = {
    IDC_MAIN_COUNTRY_LEAGUES,    IDC_MAIN_COUNTRY_CLUBS,      IDC_MAIN_COUNTRY_PLAYERS,   IDC_MAIN_COUNTRY_RATING,
    IDC_MAIN_COUNTRY_LEVEL,      IDC_MAIN_COUNTRY_TALENT0,    IDC_MAIN_COUNTRY_TALENT1,   IDC_MAIN_COUNTRY_TALENT2,
    IDC_MAIN_COUNTRY_TALENT3,    IDC_MAIN_COUNTRY_TALENT4,    IDC_MAIN_COUNTRY_GROUP1,    IDC_MAIN_COUNTRY_GROUP2,
    IDC_MAIN_COUNTRY_GROUP3,     IDC_MAIN_COUNTRY_GROUP4};
constexpr int worldStatisticIds[DlgMainMenu::StatisticCount] = {
    IDC_MAIN_WORLD_LEAGUES,      IDC_MAIN_WORLD_CLUBS,        IDC_MAIN_WORLD_PLAYERS,     IDC_MAIN_WORLD_RATING,
    IDC_MAIN_WORLD_LEVEL,        IDC_MAIN_WORLD_TALENT0,      IDC_MAIN_WORLD_TALENT1,     IDC_MAIN_WORLD_TALENT2,
    IDC_MAIN_WORLD_TALENT3,      IDC_MAIN_WORLD_TALENT4,      IDC_MAIN_WORLD_GROUP1,      IDC_MAIN_WORLD_GROUP2,
    IDC_MAIN_WORLD_GROUP3,       IDC_MAIN_WORLD_GROUP4};
constexpr int groupIds[] = {IDC_MAIN_GROUP_FEDERATION,         IDC_MAIN_GROUP_COUNTRIES,
                            IDC_MAIN_GROUP_CLUBS,              IDC_MAIN_GROUP_COUNTRY_STATISTICS,
                            IDC_MAIN_GROUP_WORLD_STATISTICS,   IDC_MAIN_GROUP_COMMANDS,
                            IDC_MAIN_GROUP_EXPORT};
TCountry* ExistingCountry(int id)
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr || id < FirstCountry || id > LastCountry) return nullptr;
    TCountry* country = world->GetCountry(id);
    return country != nullptr && country->GetId() == id ? country : nullptr;
}

int LeagueCountOf(const TCountry& country)
{
    TCompleteWorld* world = GetWorld();
    return world == nullptr ? 0 : GetLeagueCount(world->GetCompetitions(), static_cast<std::uint32_t>(country.GetId()));
}

// Higher first for the figures where more is better, lower first otherwise.
int CompareFigures(int first, int second, bool higherFirst)
{
    if (first == second) return 0;
    return (first < second) == higherFirst ? 1 : -1;
}

// Competition ids are unique, so one id is one league object.
int CompareLeagues(const std::optional<std::uint32_t>& first, const std::optional<std::uint32_t>& second)
{
    if (first == second) return 0;
    if (!first || !second) return !first ? 1 : -1;
    return *first < *second ? -1 : 1;
}

}  // namespace

DlgMainMenu::DlgMainMenu(HWND parent) : CDialogB(IDD_MAIN, parent) {}

MainStatistics DlgMainMenu::CountryStatistics(const TCountry& country, const std::vector<const TClub*>& listed)
{
    MainStatistics figures;
    figures.leagues = LeagueCountOf(country);
    figures.clubs = static_cast<int>(listed.size());
    for (const TClub* club : listed) figures.AddSquad(*club);
    return figures;
}

MainStatistics DlgMainMenu::WorldStatistics()
{
    MainStatistics figures;
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = ExistingCountry(id);
        if (country == nullptr) continue;
        figures.leagues += LeagueCountOf(*country);
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (club == nullptr || IsNationalTeamId(club->GetId())) continue;
            ++figures.clubs;
            figures.AddSquad(*club);
        }
    }
    return figures;
}

BOOL DlgMainMenu::OnInitDialog()
{
    CDialogB::OnInitDialog();
    HICON icon = ::LoadIconW(GetResourceModule(), MAKEINTRESOURCEW(IDI_MAIN));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    CLedraApp& app = GetEditorApp();
    app.SetMessageBoxCaption(GetText(u"Database.MessageBoxCaption"_tk), Handle());
    federationCombo_.Attach(GetItem(IDC_MAIN_FEDERATION));
    countryList_.SubclassDlgItem(IDC_MAIN_COUNTRIES, *this);
    const std::uint16_t position = 0;
    const std::uint16_t width = 0;
    countryList_.SetColumns(1, &position, &width);
    for (int i = 0; i < StatisticCount; ++i) {
        statistics_[i].SubclassDlgItem(countryStatisticIds[i], *this);
        statistics_[StatisticCount + i].SubclassDlgItem(worldStatisticIds[i], *this);
    }
    for (std::size_t i = 0; i < groups_.size(); ++i) groups_[i].SubclassDlgItem(groupIds[i], *this);
    clubList_.SubclassDlgItem(IDC_MAIN_CLUBS, *this);
    EnableCommands();

    app.SetFoldersFromWorkingFolder();
    LoadStadiumList(app.GetDatabaseFolder());
    LoadTextFiles(app.GetDatabaseFolder());
    if (!app.GetGuiColours().Load(u"trdata\\GUIColors.txt")) ShowFileNotFound(u"trdata\\GUIColors.txt");
    if (!LoadDatabase()) {
        Post(WM_CLOSE);
        return TRUE;
    }
    ChooseDefaultCountry();
    FillFederationCombo();
    StartRenderer();
    if (IsAdminMode()) {
        BuildAdministrationMenu(::GetMenu(Handle()));
        if (GetMainWindowLaunchers().buildHotfixMenu) GetMainWindowLaunchers().buildHotfixMenu(::GetMenu(Handle()));
        ::DrawMenuBar(Handle());
        countryGroupCaption_ = groups_[1].GetText();
    }
    SetUpClubList();
    RefreshFromWorld();
    ShowBanner();
    if (app.GetSplash() != nullptr) app.GetSplash()->FadeOut();
    return TRUE;
}

bool DlgMainMenu::LoadDatabase()
{
    const std::u16string folder = GetEditorApp().GetBaseFolder() + u"\\Database";
    TWorldList& worlds = GetWorldList();
    TCompleteWorld* world = worlds.CreateCompleteWorld();
    if (world == nullptr) return false;
    worlds.SetCurrentWorld(world);
    loaded_ = world->LoadWorld(folder);
    return loaded_;
}

void DlgMainMenu::ChooseDefaultCountry()
{
    const TCountry* country = GetDefaultCountryForUserLanguage();
    if (country == nullptr || ExistingCountry(country->GetId()) == nullptr) return;
    federation_ = country->GetContinent();
    country_ = country->GetId();
    TCompleteWorld* world = GetWorld();
    world->SetCurrentContinent(static_cast<std::uint16_t>(federation_));
    world->SetCurrentCountryId(static_cast<std::uint16_t>(country_));
    rememberedSelection_[federation_] = country_;
    rememberedTopRow_[federation_] = country_;
}

// Unless the program runs in external mode, a renderer that did not load is
// told once: the warning switches external mode on.
void DlgMainMenu::StartRenderer()
{
    const auto& start = GetMainWindowLaunchers().renderer;
    if (!start) return;
    if (CRenderManager* renderer = start()) renderer->WarnIfUnavailable(GetText(u"Dialog.Main.ErrorLoadRenderer"_tk));
}

void DlgMainMenu::FillFederationCombo()
{
    federationCombo_.ResetContent();
    CEnumTexts texts;
    for (int continent = 0; continent < FederationCount; ++continent)
        AddComboItem(federationCombo_, texts.GetContinentName(continent), continent);
    SelectComboByData(federationCombo_, federation_);
}

void DlgMainMenu::SetUpClubList()
{
    clubList_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    constexpr int none = Halvane::MFC::CHVListCtrl::NoSortType;
    const Halvane::MFC::TListColumn columns[] = {
        {u"Common.Club"_tk, LVCFMT_LEFT, 10, {SortName, SortRating, none}},
        {u"Common.League"_tk, LVCFMT_LEFT, 10, {SortLeague, SortBestEleven, SortName}},
        {u"Dialog.Main.AverageRating"_tk, LVCFMT_RIGHT, 4, {SortRating, SortName, none}},
        {u"Dialog.Main.Best11"_tk, LVCFMT_RIGHT, 4, {SortBestEleven, SortName, none}},
        {u"Dialog.Main.AverageAge"_tk, LVCFMT_RIGHT, 4, {SortAge, SortName, none}},
        {u"Dialog.Main.PlayerCount"_tk, LVCFMT_RIGHT, 4, {SortPlayers, SortName, none}},
    };
    AddListColumns(clubList_, columns);
    clubList_.AutoSizeColumns(true);
    clubList_.SetSortHandler(this);
    clubList_.Sort(1, true);
}

void DlgMainMenu::ShowBanner()
{
    const int language = CTextManager::Instance()->GetLanguage();
    const int id = bannerBitmaps[language >= 0 && language < 6 ? language : 0];
    banner_.Reset(static_cast<HBITMAP>(
        ::LoadImageW(GetResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ::SendDlgItemMessageW(Handle(), IDC_MAIN_BANNER, STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(banner_.Get()));
}

void DlgMainMenu::RefreshFromWorld()
{
    const TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    federation_ = world->GetCurrentContinent() < FederationCount ? world->GetCurrentContinent() : 0;
    country_ = world->GetCurrentCountryId();
    SelectComboByData(federationCombo_, federation_);
    if (country_ < FirstCountry || country_ > LastCountry) return;
    rememberedSelection_[federation_] = country_;
    FillCountryList();
    FillClubList();
    UpdateStatistics();
}

void DlgMainMenu::FillCountryList()
{
    countryList_.SetRedraw(false);
    countryList_.ResetContent();
    int selected = -1;
    int top = -1;
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = ExistingCountry(id);
        if (country == nullptr || country->GetContinent() != federation_) continue;
        const int row = countryList_.AddString(country->GetName());
        countryList_.SetItemData(row, id);
        if (id == rememberedSelection_[federation_]) selected = row;
        if (id == rememberedTopRow_[federation_]) top = row;
    }
    if (selected >= 0) countryList_.SetCurSel(selected);
    if (top >= 0) countryList_.Send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    if (selected < 0) {
        countryList_.SetCurSel(0);
        countryList_.Send(LB_SETTOPINDEX, 0);
    }
    countryList_.SetRedraw(true);
    countryList_.Invalidate();
    const int current = GetSelectedCountryId();
    SetCurrentCountry(current >= FirstCountry && current <= LastCountry ? current : 1);
}

// The world keeps the choice, so that a refresh from the world (after
// clearing a squad, after the transfers) comes back to it.
void DlgMainMenu::SetCurrentCountry(int id)
{
    country_ = id;
    if (TCompleteWorld* world = GetWorld()) world->SetCurrentCountryId(static_cast<std::uint16_t>(id));
}

int DlgMainMenu::GetSelectedCountryId() const
{
    const int row = countryList_.GetCurSel();
    return row < 0 ? 0 : static_cast<int>(countryList_.GetItemData(row));
}

std::uint32_t DlgMainMenu::GetSelectedClubId() const
{
    const int row = static_cast<int>(clubList_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return 0;
    const auto* entry = reinterpret_cast<const ClubListEntry*>(clubList_.GetItemData(row));
    return entry != nullptr ? entry->clubId : 0;
}

void DlgMainMenu::FillClubList()
{
    const TCountry* country = ExistingCountry(country_);
    if (country == nullptr) {
        clubList_.DeleteAllItems();
        rows_.clear();
        return;
    }
    const std::uint32_t selectedClub = GetSelectedClubId();
    const int topRow = static_cast<int>(clubList_.Send(LVM_GETTOPINDEX));
    clubList_.SetRedraw(false);
    clubList_.DeleteAllItems();
    rows_.clear();
    std::vector<const TClub*> listed;
    for (int index = 0; index < country->GetClubCount() && static_cast<int>(rows_.size()) < MaxClubRows; ++index) {
        const TClub* club = country->GetClubByIndex(index);
        if (club == nullptr) continue;
        rows_.emplace_back().Set(*club, *country);
        listed.push_back(club);
    }
    for (const ClubListEntry& entry : rows_) entry.InsertRow(clubList_);
    clubList_.Resort();
    SelectClubRow(selectedClub, topRow);
    clubList_.SetRedraw(true);
    ShowStatistics(countryStatisticIds, CountryStatistics(*country, listed));
    ::UpdateWindow(Handle());
}

void DlgMainMenu::SelectClubRow(std::uint32_t clubId, int topRow)
{
    int selected = 0;
    for (int row = 0; row < clubList_.GetItemCount(); ++row) {
        const auto* entry = reinterpret_cast<const ClubListEntry*>(clubList_.GetItemData(row));
        if (clubId != 0 && WithoutReserveBit(entry->clubId) == WithoutReserveBit(clubId)) selected = row;
    }
    if (clubList_.GetItemCount() == 0) return;
    clubList_.EnsureVisible(clubList_.GetItemCount() - 1);
    clubList_.EnsureVisible(topRow > 0 ? topRow : 0);
    clubList_.EnsureVisible(selected);
    clubList_.Send(LVM_SETSELECTIONMARK, 0, selected);
    clubList_.SetItemState(selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void DlgMainMenu::UpdateStatistics()
{
    ShowStatistics(worldStatisticIds, WorldStatistics());
}

void DlgMainMenu::ShowStatistics(const int (&ids)[StatisticCount], const MainStatistics& figures)
{
    CTextManager* texts = CTextManager::Instance();
    int next = 0;
    const auto show = [&](const char16_t* text) {
        ::SetDlgItemTextW(Handle(), ids[next++], reinterpret_cast<const wchar_t*>(text));
    };
    show(texts->FormatInt(figures.leagues));
    show(texts->FormatInt(figures.clubs));
    show(texts->FormatInt(figures.players));
    show(texts->FormatFloat(figures.AverageBestRating(), 2));
    show(texts->FormatFloat(figures.AverageLevel(), 2));
    for (int count : figures.talents) show(texts->FormatInt(count));
    for (int count : figures.positionGroups) show(texts->FormatInt(count));
}

int DlgMainMenu::Compare(int sortType, LPARAM item1, LPARAM item2)
{
    const auto* row1 = reinterpret_cast<const ClubListEntry*>(item1);
    const auto* row2 = reinterpret_cast<const ClubListEntry*>(item2);
    const bool missing1 = row1 == nullptr || row1->clubId == 0;
    const bool missing2 = row2 == nullptr || row2->clubId == 0;
    if (missing1 || missing2) return missing1 == missing2 ? 0 : (missing1 ? 1 : -1);
    const bool national1 = row1->IsNationalTeam();
    if (national1 != row2->IsNationalTeam()) {
        // The list inverts every result of a descending sort; inverting here
        // first keeps the national team on top either way.
        const int result = national1 ? -1 : 1;
        return clubList_.IsSortAscending() ? result : -result;
    }
    switch (sortType) {
    case SortName: return CompareCollated(row1->name.c_str(), row2->name.c_str());
    case SortLeague: return CompareLeagues(row1->leagueId, row2->leagueId);
    case SortRating: return CompareFigures(row1->rating, row2->rating, true);
    case SortBestEleven: return CompareFigures(row1->bestEleven, row2->bestEleven, true);
    case SortAge: return CompareFigures(row1->age, row2->age, false);
    case SortPlayers: return CompareFigures(row1->players, row2->players, false);
    default: return 0;
    }
}

bool DlgMainMenu::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_MAIN_FEDERATION && code == CBN_SELCHANGE) {
        OnFederationChanged();
        return true;
    }
    if (id == IDC_MAIN_COUNTRIES && code == LBN_SELCHANGE) {
        OnCountryChanged();
        return true;
    }
    // Enter and Escape never close the main window.
    if (id == IDOK || id == IDCANCEL) return true;
    // Menus and accelerators send code 0 or 1, a clicked button 0.
    const bool handled = code <= 1 && RunCommand(id);
    if (code <= 1 && IsAdminMode()) {
        OnAdministrationCommand(*this, id);
        // A fix may remove and create clubs of any country.
        if (GetMainWindowLaunchers().hotfixCommand &&
            GetMainWindowLaunchers().hotfixCommand(Handle(), id, country_, GetSelectedClubId()))
            Refresh();
    }
    return handled || CDialogB::OnCommand(id, code, control);
}

void DlgMainMenu::OnFederationChanged()
{
    const int chosen = static_cast<int>(GetComboSelData(federationCombo_, federation_));
    if (chosen == federation_ || chosen < 0 || chosen >= FederationCount) return;
    rememberedSelection_[federation_] = GetSelectedCountryId();
    const int top = countryList_.GetTopIndex();
    rememberedTopRow_[federation_] = top >= 0 ? static_cast<int>(countryList_.GetItemData(top)) : 0;
    federation_ = chosen;
    if (TCompleteWorld* world = GetWorld()) world->SetCurrentContinent(static_cast<std::uint16_t>(federation_));
    FillCountryList();
    FillClubList();
}

void DlgMainMenu::OnCountryChanged()
{
    SetCurrentCountry(GetSelectedCountryId());
    FillClubList();
    if (IsAdminMode() && GetItem(IDC_MAIN_GROUP_COUNTRIES) != nullptr) {
        const std::u16string caption = Format(u"%s (ID: %d)", countryGroupCaption_, country_);
        SetButtonCaption(GetItem(IDC_MAIN_GROUP_COUNTRIES), caption);
    }
}

bool DlgMainMenu::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_CLOSE) {
        Close();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}

void DlgMainMenu::Close()
{
    if (loaded_ && !GetEditorApp().IsRestartOnExit()) {
        const char16_t* question = GetText(u"Dialog.Main.PromptExitEditor"_tk);
        if (GetEditorApp().ShowMessageBox(question, AppMessage::YesNo | AppMessage::IconQuestion) != AppMessage::IdYes)
            return;
    }
    EndDialog(IDOK);
}

TCountry* DlgMainMenu::CurrentCountry() const { return ExistingCountry(country_); }

void DlgMainMenu::OnDestroy()
{
    GetWorldList().Clear();
    if (CRenderManager* renderer = CRenderManager::GetStartedInstance()) renderer->Shutdown();
    GetEditorApp().SetMessageBoxCaption(GetEditorApp().GetMessageBoxCaption().c_str(), nullptr);
    CDialogB::OnDestroy();
}
