#include "editors/player_staff/search/DlgSearchResult.h"

#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/search/ClubChoice.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/lists/FreeAgentsList.h"
#include "editors/player_staff/model/squad/SquadListModel.h"
#include "win/WideText.h"

namespace {

constexpr int None = Halvane::MFC::CHVListCtrl::NoSortType;
const Halvane::MFC::TListColumn Columns[] = {
    {u"Player.Firstname"_tk, LVCFMT_LEFT, 120, {0, 1, None}},
    {u"Player.Lastname"_tk, LVCFMT_LEFT, 120, {1, 0, None}},
    {u"Player.Pseudonym"_tk, LVCFMT_LEFT, 103, {2, 1, 0}},
    {u"Player.PositionShort"_tk, LVCFMT_CENTER, 52, {3, 1, 0}},
    {u"Player.DayOfBirth"_tk, LVCFMT_RIGHT, 80, {4, 1, 0}},
    {u"Common.Club"_tk, LVCFMT_LEFT, 120, {5, 1, 0}},
    {u"Common.Country"_tk, LVCFMT_LEFT, 100, {6, 1, 0}},
};

std::u16string PositionText(const TPerson& person)
{
    const CEnumTexts& names = GetEnumTexts();
    return person.IsPlayer() ? names.GetPositionShortName(person.GetPosition(0))
                             : names.GetPersonTypeName(person.GetType());
}

std::u16string BirthDateText(const TPerson& person)
{
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    person.GetBirthDate().GetYearMonthDay(year, month, day);
    return CTextManager::Instance()->FormatDate(1, year, month, day);
}

std::u16string ClubName(const TCompleteWorld& world, std::uint32_t clubId)
{
    const TClub* club = world.GetClubConst(clubId);
    return club ? club->GetName() : u"";
}

std::u16string CountryName(const TCompleteWorld& world, std::uint32_t clubId)
{
    const TCountry* country = world.GetCountry(TeamCountry(clubId));
    return country ? country->GetName() : u"";
}

}  // namespace

CDlgSearchResult::CDlgSearchResult(HWND parent) : CDialogB(IDD_SEARCH_RESULT, parent) {}

CDlgSearchResult::~CDlgSearchResult()
{
    StopSearch();
}

void CDlgSearchResult::SetCriteria(const std::u16string& firstName, const std::u16string& lastName,
                                   const std::u16string& pseudonym)
{
    criteria_ = PlayerSearch::MakeCriteria(firstName, lastName, pseudonym);
}

BOOL CDlgSearchResult::OnInitDialog()
{
    CDialogB::OnInitDialog();
    list_.SubclassDlgItem(IDC_SEARCH_RESULT_LIST, *this);
    AddColumns();
    list_.SetSortHandler(this);
    list_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list_.AutoSizeColumns(true);
    StartSearch();
    return TRUE;
}

void CDlgSearchResult::AddColumns()
{
    AddListColumns(list_, Columns);
}

void CDlgSearchResult::StartSearch()
{
    StopSearch();
    const TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    // The rows point into the table the new search rewrites.
    hits_.clear();
    list_.DeleteAllItems();
    stopRequest_ = false;
    running_ = true;
    found_.clear();
    const HWND window = Handle();
    // The worker walks a copy: nothing here changes the list while it runs.
    std::vector<TPerson*> freeAgents = FreeAgentsList::Persons(world->GetFreeAgents());
    const bool started = worker_.Start(
        [this, world, freeAgents = std::move(freeAgents)] {
            found_ = PlayerSearch::Run(*world, freeAgents, criteria_, stopRequest_);
        },
        [window](WorkerResult) { ::PostMessageW(window, SearchEnded, 0, 0); });
    if (!started) running_ = false;
}

void CDlgSearchResult::StopSearch()
{
    stopRequest_ = true;
    worker_.Join();
    running_ = false;
}

void CDlgSearchResult::OnSearchEnded()
{
    if (!running_) return;
    StopSearch();
    hits_ = std::move(found_);
    found_.clear();
    FillList();
}

void CDlgSearchResult::FillList()
{
    const TCompleteWorld* world = GetWorld();
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    for (std::size_t index = 0; world != nullptr && index < hits_.size(); ++index) {
        const PlayerSearch::THit& hit = hits_[index];
        const int row = list_.InsertItem(hit.person->GetFirstName(), static_cast<LPARAM>(index));
        if (row < 0) continue;
        list_.SetItemText(row, 1, hit.person->GetLastName());
        list_.SetItemText(row, 2, hit.person->GetPseudonym());
        list_.SetItemText(row, 3, PositionText(*hit.person).c_str());
        list_.SetItemText(row, 4, BirthDateText(*hit.person).c_str());
        list_.SetItemText(row, 5, ClubName(*world, hit.clubId).c_str());
        list_.SetItemText(row, 6, CountryName(*world, hit.clubId).c_str());
    }
    if (list_.GetSortColumn() >= 0) list_.Resort();
    list_.SetRedraw(true);
    list_.Invalidate();
}

int CDlgSearchResult::Compare(int sortType, LPARAM item1, LPARAM item2)
{
    const TCompleteWorld* world = GetWorld();
    const auto a = static_cast<std::size_t>(item1);
    const auto b = static_cast<std::size_t>(item2);
    if (world == nullptr || a >= hits_.size() || b >= hits_.size()) return 0;
    return PlayerSearch::Compare(*world, sortType, hits_[a], hits_[b]);
}

PlayerSearch::THit* CDlgSearchResult::SelectedHit()
{
    const int row = static_cast<int>(list_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return nullptr;
    const auto index = static_cast<std::size_t>(list_.GetItemData(row));
    return index < hits_.size() && hits_[index].person != nullptr ? &hits_[index] : nullptr;
}

bool CDlgSearchResult::MoveToChosenClub(PlayerSearch::THit& hit)
{
    const std::uint32_t chosen = ChooseClubInCountry(Handle(), TeamCountry(hit.clubId));
    TCompleteWorld* world = GetWorld();
    if (chosen == 0 || world == nullptr) return false;
    return PlayerSearch::MoveHit(hit, world->GetClub(chosen), SquadListModel::TransferTeamPart(*hit.person, chosen));
}

bool CDlgSearchResult::RegisterWithTargetClub(PlayerSearch::THit& hit)
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr || TeamCountry(targetClub_) == 0) return false;
    return PlayerSearch::MoveHit(hit, world->GetClub(targetClub_), PlayerSearch::RegisterTeamPart(*hit.person));
}

void CDlgSearchResult::RunHitCommand(int id)
{
    PlayerSearch::THit* hit = SelectedHit();
    TCompleteWorld* world = GetWorld();
    if (hit == nullptr || world == nullptr) return;
    bool changed = false;
    if (id == ID_SEARCH_MOVE_TO_CLUB) changed = MoveToChosenClub(*hit);
    if (id == ID_SEARCH_REGISTER_WITH_CLUB) changed = RegisterWithTargetClub(*hit);
    // A released player leaves the squad the caller shows, as a move does.
    if (id == ID_SEARCH_RELEASE) changed = PlayerSearch::ReleaseHit(*world, *hit);
    changed_ = changed_ || changed;
    StartSearch();
}

void CDlgSearchResult::ShowClubOfSelection()
{
    const PlayerSearch::THit* hit = SelectedHit();
    if (hit == nullptr) return;
    chosenClub_ = hit->clubId;
    EndDialog(IDOK);
}

void CDlgSearchResult::ShowContextMenu()
{
    HMENU menu = GetListCtrlContextMenu(list_, IDR_SEARCH_RESULT_MENU, 0);
    if (menu == nullptr) return;
    TranslateMenu(menu);
    if (TeamCountry(targetClub_) == 0) ::EnableMenuItem(menu, ID_SEARCH_REGISTER_WITH_CLUB, MF_BYCOMMAND | MF_GRAYED);
    if (!allowShowClub_) ::EnableMenuItem(menu, ID_SEARCH_SHOW_CLUB, MF_BYCOMMAND | MF_GRAYED);
    TrackContextMenu(menu);
}

bool CDlgSearchResult::OnCommand(int id, int code, HWND control)
{
    if (running_) return id != IDOK && id != IDCANCEL ? true : false;
    if (id == ID_SEARCH_SHOW_CLUB && allowShowClub_) {
        ShowClubOfSelection();
        return true;
    }
    if (id == ID_SEARCH_MOVE_TO_CLUB || id == ID_SEARCH_REGISTER_WITH_CLUB || id == ID_SEARCH_RELEASE) {
        RunHitCommand(id);
        return true;
    }
    return false;
}

bool CDlgSearchResult::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_SEARCH_RESULT_LIST || header.code != NM_DBLCLK || running_) return false;
    ShowClubOfSelection();
    result = 0;
    return true;
}

bool CDlgSearchResult::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case SearchEnded:
        OnSearchEnded();
        result = 0;
        return true;
    case RefillList:
        if (!running_) FillList();
        result = 0;
        return true;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == list_.Handle() && !running_) ShowContextMenu();
        result = 0;
        return true;
    default:
        return CDialogB::OnMessage(message, wParam, lParam, result);
    }
}

void CDlgSearchResult::OnDestroy()
{
    StopSearch();
    CDialogB::OnDestroy();
}
