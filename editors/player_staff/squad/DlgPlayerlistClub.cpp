#include "editors/player_staff/squad/DlgPlayerlistClub.h"

#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/staff/DlgManagerAbilities.h"
#include "editors/player_staff/squad/DlgPlayerAbilities.h"
#include "editors/player_staff/squad/DlgPlayerAllRight.h"
#include "editors/player_staff/squad/DlgPlayerCharacter.h"
#include "editors/player_staff/squad/DlgPlayerContract.h"
#include "editors/player_staff/squad/DlgPlayerHist.h"
#include "editors/player_staff/squad/DlgPlayerLook.h"
#include "editors/player_staff/squad/DlgPlayerPosition.h"
#include "editors/player_staff/search/DlgPlayerSearch.h"
#include "editors/player_staff/lists/DlgShirtNo.h"
#include "editors/player_staff/search/DlgSearchResult.h"
#include "editors/player_staff/search/PlayerDouble.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/search/PlayerSearch.h"
#include "editors/player_staff/model/squad/SquadListModel.h"
#include "editors/player_staff/model/squad/SquadProblemLines.h"
#include "ui/dialogs/DlgErrorMessage.h"
#include "win/WideText.h"

namespace {

constexpr TextKey ListTabKeys[CDlgPlayerlistClub::ListCount] = {u"Dialog.Player.Frame.TabPlayerlistFirst"_tk, u"Dialog.Player.Frame.TabPlayerlistSecond"_tk,
                                                                u"Dialog.Player.Frame.TabPlayerlistYouth"_tk};
// Pages stand at (1, 24) in their tab control's client area.
constexpr POINT PageOrigin{1, 24};
// The list side is narrow: tabs padded tighter than the default six pixels
// keep all four on one row in every language, with no arrows to scroll them,
// while each text keeps clear of its frame and of the selected tab's, which
// stands two pixels over its neighbours.
constexpr SIZE ListTabPadding{5, 3};
constexpr int CaptionCapacity = 256;
constexpr char16_t NoBreakSpace = 0x00A0;

INT_PTR AskAboutProblems(HWND owner, const std::u16string& lines)
{
    CDlgErrorMessage box(owner);
    CTextManager* texts = CTextManager::Instance();
    box.SetButtonTexts(texts->GetText(u"Dialog.Ok"_tk), texts->GetText(u"Dialog.Ignore"_tk));
    box.AddMessage(lines.c_str(), false);
    return box.DoModal();
}

}  // namespace

CDlgPlayerlistClub::CDlgPlayerlistClub(int mode, HWND parent)
    : CDialogB(IDD_PLAYERLIST_CLUB, parent), mode_(mode), problemBox_(AskAboutProblems)
{
}

CDlgPlayerlistClub::~CDlgPlayerlistClub() = default;

void CDlgPlayerlistClub::SetCountry(TCountry* country)
{
    country_ = country;
    completeList_.SetCountry(country);
}

TCompleteWorld* CDlgPlayerlistClub::World() const
{
    return club_ != nullptr ? club_->GetWorld() : GetWorld();
}

CPersonPage* CDlgPlayerlistClub::GetPage(int code) const
{
    for (const auto* pages : {&playerPages_, &staffPages_}) {
        for (const TPageSlot& slot : *pages) {
            if (slot.code == code) return slot.page;
        }
    }
    return nullptr;
}

BOOL CDlgPlayerlistClub::OnInitDialog()
{
    CDialogB::OnInitDialog();
    listTabs_.SubclassDlgItem(IDC_FRAME_LIST_TABS, *this);
    listTabs_.Send(TCM_SETPADDING, 0, MAKELPARAM(ListTabPadding.cx, ListTabPadding.cy));
    pageTabs_.SubclassDlgItem(IDC_FRAME_PAGE_TABS, *this);
    if (mode_ == CountryPlayers) {
        if (country_ == nullptr) return TRUE;
        CreatePages();
        CreateCompleteList();
        pageTabs_.SetCurSel(0);
        listTabs_.SetCurSel(0);
        SetupPageTabs(PlayerPages);
        return TRUE;
    }
    if (club_ == nullptr) return TRUE;
    if (const TCompleteWorld* world = club_->GetWorld()) country_ = world->GetCountry(club_->GetCountryId());
    CreatePages();
    CreateLists();
    wchar_t caption[CaptionCapacity] = {};
    ::GetWindowTextW(Handle(), caption, CaptionCapacity);
    SetText(std::u16string(win::U(caption)) + u" - " + club_->GetName());
    pageTabs_.SetCurSel(0);
    listTabs_.SetCurSel(0);
    SetupPageTabs(PlayerPages);
    lists_[0].FillList();
    RefreshVisibleList();
    return TRUE;
}

void CDlgPlayerlistClub::PlaceOnTab(HWND page)
{
    ::SetWindowPos(page, nullptr, PageOrigin.x, PageOrigin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(page, SW_HIDE);
}

void CDlgPlayerlistClub::CreatePages()
{
    commonPage_ = std::make_unique<CDlgPlayerAllRight>(pageTabs_.Handle());
    commonPage_->SetClubLanguage(country_ != nullptr ? country_->GetLanguage(0) : 0);
    positionPage_ = std::make_unique<CDlgPlayerPosition>(pageTabs_.Handle());
    abilitiesPage_ = std::make_unique<CDlgPlayerAbilities>(pageTabs_.Handle());
    characterPage_ = std::make_unique<CDlgPlayerCharacter>(pageTabs_.Handle());
    contractPage_ = std::make_unique<CDlgPlayerContract>(pageTabs_.Handle());
    historyPage_ = std::make_unique<CDlgPlayerHist>(pageTabs_.Handle());
    appearancePage_ = std::make_unique<CDlgPlayerLook>(pageTabs_.Handle());
    playerPages_ = {{CommonPage, u"Dialog.Player.Frame.TabCommon"_tk, commonPage_.get()},
                    {PositionPage, u"Dialog.Player.Frame.TabPosition"_tk, positionPage_.get()},
                    {AbilitiesPage, u"Dialog.Player.Frame.TabAbilities"_tk, abilitiesPage_.get()},
                    {CharacterPage, u"Dialog.Player.Frame.TabCharacter"_tk, characterPage_.get()},
                    {AppearancePage, u"Dialog.Player.Frame.TabAppearance"_tk, appearancePage_.get()},
                    {HistoryPage, u"Dialog.Player.Frame.TabHistory"_tk, historyPage_.get()},
                    {ContractPage, u"Dialog.Player.Frame.TabContract"_tk, contractPage_.get()}};
    staffAbilitiesPage_ = std::make_unique<CDlgManagerAbilities>(pageTabs_.Handle());
    staffPages_ = {{CommonPage, u"Dialog.Player.Frame.TabCommon"_tk, commonPage_.get()},
                   {StaffAbilitiesPage, u"Dialog.Player.Frame.TabAbilities"_tk, staffAbilitiesPage_.get()}};
    for (const TPageSlot& slot : playerPages_) {
        slot.page->Create(pageTabs_.Handle());
        PlaceOnTab(slot.page->Handle());
        ::EnableWindow(slot.page->Handle(), TRUE);
    }
    staffAbilitiesPage_->Create(pageTabs_.Handle());
    PlaceOnTab(staffAbilitiesPage_->Handle());
}

void CDlgPlayerlistClub::CreateLists()
{
    for (int part = 0; part < ListCount; ++part) {
        CDlgPlayerList& list = lists_[static_cast<std::size_t>(part)];
        list.Bind(Handle(), club_, nullptr, part);
        list.Create(listTabs_.Handle());
        PlaceOnTab(list.Handle());
        listTabs_.InsertItem(part, GetText(ListTabKeys[part]), reinterpret_cast<LPARAM>(list.Handle()));
        ::ShowWindow(list.Handle(), part == 0 ? SW_SHOW : SW_HIDE);
        ::EnableWindow(list.Handle(), part == 0);
    }
    staffList_.Init(Handle(), club_, nullptr, CDlgManagerList::StaffFilter);
    staffList_.Create(listTabs_.Handle());
    PlaceOnTab(staffList_.Handle());
    ::EnableWindow(staffList_.Handle(), FALSE);
    listTabs_.InsertItem(StaffTab, GetText(u"Dialog.Player.Frame.TabPlayerlistStaff"_tk),
                         reinterpret_cast<LPARAM>(staffList_.Handle()));
}

void CDlgPlayerlistClub::CreateCompleteList()
{
    completeList_.SetFrame(Handle());
    completeList_.Create(listTabs_.Handle());
    PlaceOnTab(completeList_.Handle());
    const TextKey key = u"Dialog.Player.Frame.TabPlayerlistPlayerlist"_tk;
    listTabs_.InsertItem(0, GetText(key), reinterpret_cast<LPARAM>(completeList_.Handle()));
    ::ShowWindow(completeList_.Handle(), SW_SHOW);
    for (int id : {IDC_FRAME_SHIRT_NUMBERS, IDC_FRAME_DUPLICATES, IDC_FRAME_SEARCH}) ::ShowWindow(GetItem(id), SW_HIDE);
    // "Program - Squad" keeps "Program - " and names the list instead; the
    // program's prefix joins with a no-break space.
    wchar_t caption[CaptionCapacity] = {};
    ::GetWindowTextW(Handle(), caption, CaptionCapacity);
    const std::u16string text(win::U(caption));
    for (std::size_t dash = text.find(u'-'); dash != std::u16string::npos; dash = text.find(u'-', dash + 1)) {
        if (dash + 1 < text.size() && (text[dash + 1] == u' ' || text[dash + 1] == NoBreakSpace)) {
            SetText(text.substr(0, dash + 2) + GetText(key));
            break;
        }
    }
}

void CDlgPlayerlistClub::SetupPageTabs(int set)
{
    for (const auto* pages : {&playerPages_, &staffPages_}) {
        for (const TPageSlot& slot : *pages) {
            ::ShowWindow(slot.page->Handle(), SW_HIDE);
            ::EnableWindow(slot.page->Handle(), FALSE);
        }
    }
    pageTabs_.Send(TCM_DELETEALLITEMS);
    pageCodes_.fill(0);
    const std::vector<TPageSlot>& pages = set == StaffPages ? staffPages_ : playerPages_;
    for (std::size_t index = 0; index < pages.size() && index < MaxPages; ++index) {
        const TPageSlot& slot = pages[index];
        pageTabs_.InsertItem(static_cast<int>(index), GetText(slot.key), reinterpret_cast<LPARAM>(slot.page->Handle()));
        pageCodes_[index] = slot.code;
    }
    pageTabs_.SetCurSel(0);
    pageTabs_.ShowCurrentPage();
    ShowPlayer(0);
    pageSet_ = set;
}

void CDlgPlayerlistClub::ShowPlayer(int pageIndex)
{
    currentPage_ = pageIndex;
    if (pageIndex < 0 || pageIndex >= MaxPages) return;
    TClub* club = mode_ == ClubSquad ? club_ : shownClub_;
    if (CPersonPage* page = GetPage(pageCodes_[static_cast<std::size_t>(pageIndex)])) page->SetPerson(person_, club);
}

bool CDlgPlayerlistClub::StorePlayer(int pageIndex)
{
    if (pageIndex < 0 || pageIndex >= MaxPages) return true;
    if (CPersonPage* page = GetPage(pageCodes_[static_cast<std::size_t>(pageIndex)])) page->ApplyToPerson();
    return true;
}

void CDlgPlayerlistClub::RefreshVisibleList()
{
    const int tab = CurrentListTab();
    if (mode_ == ClubSquad && tab >= 0 && tab < ListCount) lists_[static_cast<std::size_t>(tab)].FillList();
    if (mode_ == ClubSquad && tab == StaffTab) staffList_.FillList();
    if (mode_ == CountryPlayers && tab == 0 && country_ != nullptr) completeList_.FillList();
}

void CDlgPlayerlistClub::OnListTabChanged(int tab)
{
    if (mode_ == CountryPlayers && tab == 0) SetupPageTabs(PlayerPages);
    if (mode_ != ClubSquad || tab < 0 || tab > StaffTab) return;
    SetupPageTabs(tab == StaffTab ? StaffPages : PlayerPages);
    RefreshVisibleList();
}

void CDlgPlayerlistClub::SwitchListTab(int tab)
{
    // The control's own change path, so that the usual store and show run.
    NMHDR header{listTabs_.Handle(), static_cast<UINT_PTR>(IDC_FRAME_LIST_TABS), TCN_SELCHANGING};
    Send(WM_NOTIFY, IDC_FRAME_LIST_TABS, reinterpret_cast<LPARAM>(&header));
    listTabs_.SetCurSel(tab);
    header.code = TCN_SELCHANGE;
    Send(WM_NOTIFY, IDC_FRAME_LIST_TABS, reinterpret_cast<LPARAM>(&header));
}

void CDlgPlayerlistClub::OnUpdateList()
{
    StorePlayer(currentPage_);
    if (person_ != nullptr && mode_ == ClubSquad) {
        const int tab = CurrentListTab();
        int target = tab;
        if (person_->IsYouthPlayer() && tab != SquadListModel::YouthTeam) target = SquadListModel::YouthTeam;
        if (!person_->IsYouthPlayer() && tab == SquadListModel::YouthTeam) {
            target = person_->IsFirstTeam() ? SquadListModel::FirstTeam : SquadListModel::SecondTeam;
        }
        if (target != tab) {
            // He stays the selected person in the list he moves to.
            lists_[static_cast<std::size_t>(target)].SetCurrentPerson(person_);
            SwitchListTab(target);
        }
    }
    RefreshVisibleList();
}

std::u16string CDlgPlayerlistClub::ProblemLines() const
{
    std::u16string lines;
    for (TextKey key : SquadProblemLines::Keys(club_->CheckSquad(), club_->CountSquadByPersonType())) {
        lines += GetTextManager()->GetText(key);
        lines += u"\r\n";
    }
    return lines;
}

void CDlgPlayerlistClub::OnOK()
{
    StorePlayer(currentPage_);
    if (mode_ == ClubSquad && club_ != nullptr) {
        const std::u16string lines = ProblemLines();
        if (!lines.empty() && problemBox_(Handle(), lines) == 1) return;
    }
    EndDialog(IDOK);
}

void CDlgPlayerlistClub::RunSearch()
{
    if (mode_ != ClubSquad || club_ == nullptr) return;
    for (;;) {
        CDlgPlayerSearch search(Handle());
        if (search.DoModal() != IDOK) return;
        CDlgSearchResult result(Handle());
        result.SetCriteria(GetSearchFirstName(), GetSearchLastName(), GetSearchPseudonym());
        result.SetAllowShowClub(false);
        result.SetTargetClub(club_->GetId());
        StorePlayer(currentPage_);
        const INT_PTR answer = result.DoModal();
        if (result.IsChanged()) {
            for (int part = 0; part < ListCount; ++part) lists_[static_cast<std::size_t>(part)].Bind(Handle(), club_, nullptr, part);
            staffList_.Init(Handle(), club_, nullptr, CDlgManagerList::StaffFilter);
            RefreshVisibleList();
        }
        if (answer != IDOK) return;
    }
}

void CDlgPlayerlistClub::RunShirtNumbers()
{
    if (mode_ != ClubSquad || club_ == nullptr) return;
    StorePlayer(currentPage_);
    CDlgShirtNo board(Handle());
    board.SetTeam(CurrentListTab() != SquadListModel::SecondTeam, club_);
    board.DoModal();
    RefreshVisibleList();
    ShowPlayer(currentPage_);
}

void CDlgPlayerlistClub::RunDuplicateFinder()
{
    // The finder may take squad members out: the visible page is written
    // back first and the list filled again afterwards.
    StorePlayer(currentPage_);
    CPlayerDouble finder(Handle());
    finder.SetContext(country_, mode_ == ClubSquad ? club_ : nullptr);
    finder.DoModal();
    RefreshVisibleList();
}

bool CDlgPlayerlistClub::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_FRAME_DUPLICATES && code == BN_CLICKED) {
        RunDuplicateFinder();
        return true;
    }
    if (id == IDC_FRAME_SHIRT_NUMBERS && code == BN_CLICKED) {
        RunShirtNumbers();
        return true;
    }
    if (id == IDC_FRAME_SEARCH && code == BN_CLICKED) {
        RunSearch();
        return true;
    }
    return false;
}

bool CDlgPlayerlistClub::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case CDlgPlayerList::ListRefresh:
        RefreshVisibleList();
        result = 0;
        return true;
    case ShowClubKit:
        shownClub_ = World() != nullptr ? World()->GetClub(WithoutReserveBit(static_cast<TTeamId>(wParam))) : nullptr;
        result = 0;
        return true;
    case ShowPerson: {
        const TCompleteWorld* world = World();
        person_ = wParam != 0 && world != nullptr ? world->GetPerson(static_cast<std::uint32_t>(wParam)) : nullptr;
        ShowPlayer(currentPage_);
        result = 0;
        return true;
    }
    case CMyTabCtrl::PageLeaveRequest:
        if (lParam == IDC_FRAME_LIST_TABS) StorePlayer(currentPage_);
        if (lParam == IDC_FRAME_PAGE_TABS) StorePlayer(static_cast<int>(wParam));
        result = 1;
        return true;
    case CMyTabCtrl::PageChanged:
        if (lParam == IDC_FRAME_LIST_TABS) OnListTabChanged(static_cast<int>(wParam));
        if (lParam == IDC_FRAME_PAGE_TABS) ShowPlayer(static_cast<int>(wParam));
        result = 1;
        return true;
    default:
        break;
    }
    if (message != 0 && message == CMyTabCtrl::UpdateListMessage()) {
        OnUpdateList();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}

void CDlgPlayerlistClub::OnDestroy()
{
    for (CDlgPlayerList& list : lists_) list.Destroy();
    staffList_.Destroy();
    completeList_.Destroy();
    for (const TPageSlot& slot : playerPages_) slot.page->Destroy();
    if (staffAbilitiesPage_) staffAbilitiesPage_->Destroy();
    CDialogB::OnDestroy();
}
