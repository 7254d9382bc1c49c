#include "editors/player_staff/staff/DlgManagAll.h"

#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/staff/DlgLandManagerAbilities.h"
#include "editors/player_staff/staff/DlgLandPlayerAllRight.h"
#include "editors/player_staff/search/DlgPlayerSearch.h"
#include "editors/player_staff/search/DlgSearchResult.h"
#include "editors/player_staff/search/PlayerDouble.h"
#include "editors/player_staff/model/search/PlayerSearch.h"
#include "resources/CountryEditorIds.h"
#include "editors/player_staff/PlayerStaffIds.h"

namespace {

// Pages stand at (1, 24) in their tab control's client area.
constexpr POINT PageOrigin{1, 24};

void PlaceOnTab(HWND page)
{
    ::SetWindowPos(page, nullptr, PageOrigin.x, PageOrigin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(page, SW_HIDE);
    ::EnableWindow(page, TRUE);
}

}  // namespace

std::unique_ptr<CCountryListPage> CreateManagerPage(HWND frame)
{
    auto page = std::make_unique<CDlgManagAll>(frame);
    if (!page->Create(frame)) return nullptr;
    return page;
}

CDlgManagAll::CDlgManagAll(HWND parent) : CCountryListPage(IDD_COUNTRY_STAFF, parent) {}

CDlgManagAll::~CDlgManagAll() = default;

BOOL CDlgManagAll::OnInitDialog()
{
    CCountryListPage::OnInitDialog();
    listTabs_.SubclassDlgItem(IDC_FRAME_LIST_TABS, *this);
    pageTabs_.SubclassDlgItem(IDC_FRAME_PAGE_TABS, *this);
    common_ = std::make_unique<CDlgLandPlayerAllRight>(pageTabs_.Handle());
    abilities_ = std::make_unique<CDlgLandManagerAbilities>(pageTabs_.Handle());
    common_->SetNotifyWindow(Handle());
    CreateRightPage(*common_, 0, u"Dialog.ManagAll.General"_tk);
    CreateRightPage(*abilities_, 1, u"Dialog.ManagAll.Abilities"_tk);
    list_.Init(Handle(), country_);
    list_.Create(listTabs_.Handle());
    PlaceOnTab(list_.Handle());
    listTabs_.InsertItem(0, GetText(u"Dialog.ManagAll.ManagerChairman"_tk), reinterpret_cast<LPARAM>(list_.Handle()));
    listTabs_.SetCurSel(0);
    listTabs_.ShowCurrentPage();
    pageTabs_.SetCurSel(0);
    pageTabs_.ShowCurrentPage();
    currentPage_ = pageTabs_.GetCurSel();
    ShowPerson();
    return TRUE;
}

void CDlgManagAll::CreateRightPage(CPersonPage& page, int tab, TextKey title)
{
    page.Create(pageTabs_.Handle());
    PlaceOnTab(page.Handle());
    pageTabs_.InsertItem(tab, GetText(title), reinterpret_cast<LPARAM>(page.Handle()));
}

CPersonPage* CDlgManagAll::RightPage(int tab) const
{
    switch (tab) {
    case 0: return common_.get();
    case 1: return abilities_.get();
    default: return nullptr;
    }
}

void CDlgManagAll::FillList(TCountry* country)
{
    if (country != country_) {
        StorePerson(currentPage_);
        country_ = country;
        person_ = nullptr;
        list_.Init(Handle(), country_);
    }
    RefreshList();
}

void CDlgManagAll::StoreCountry() { StorePerson(currentPage_); }

// Both right pages get the shown person or none, the hidden one too, so
// that no page keeps a person who has been deleted meanwhile.
void CDlgManagAll::ShowPerson()
{
    for (int tab = 0; tab < 2; ++tab) {
        if (tab != currentPage_ && RightPage(tab) != nullptr) RightPage(tab)->SetPerson(person_, nullptr);
    }
    if (CPersonPage* page = RightPage(currentPage_)) page->SetPerson(person_, nullptr);
}

void CDlgManagAll::StorePerson(int tab)
{
    if (person_ == nullptr) return;
    if (CPersonPage* page = RightPage(tab)) page->ApplyToPerson();
}

void CDlgManagAll::RefreshList()
{
    if (listTabs_.GetCurSel() == 0 && list_.Handle() != nullptr) list_.FillList();
}

void CDlgManagAll::RunDuplicateFinder()
{
    // The finder may take persons out: the visible page is written back
    // first and the list filled again afterwards.
    StorePerson(currentPage_);
    CPlayerDouble finder(Handle());
    finder.SetContext(country_, nullptr);
    finder.DoModal();
    RefreshList();
}

void CDlgManagAll::RunSearch()
{
    for (;;) {
        CDlgPlayerSearch search(Handle());
        if (search.DoModal() != IDOK) return;
        CDlgSearchResult result(Handle());
        result.SetCriteria(GetSearchFirstName(), GetSearchLastName(), GetSearchPseudonym());
        result.SetAllowShowClub(false);
        StorePerson(currentPage_);
        const INT_PTR answer = result.DoModal();
        if (result.IsChanged()) RefreshList();
        if (answer != IDOK) return;
    }
}

bool CDlgManagAll::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED) return false;
    if (id == IDC_FRAME_DUPLICATES) {
        RunDuplicateFinder();
        return true;
    }
    if (id == IDC_FRAME_SEARCH) {
        RunSearch();
        return true;
    }
    return false;
}

bool CDlgManagAll::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case CStaffListPage::ListRefresh:
        RefreshList();
        result = 0;
        return true;
    case CStaffListPage::PersonChosen: {
        const TCompleteWorld* world = country_ != nullptr ? country_->GetWorld() : nullptr;
        person_ = wParam != 0 && world != nullptr ? world->GetPerson(static_cast<std::uint32_t>(wParam)) : nullptr;
        ShowPerson();
        result = 0;
        return true;
    }
    case CMyTabCtrl::PageLeaveRequest:
        if (lParam == IDC_FRAME_LIST_TABS) StorePerson(currentPage_);
        if (lParam == IDC_FRAME_PAGE_TABS) StorePerson(static_cast<int>(wParam));
        result = 1;
        return true;
    case CMyTabCtrl::PageChanged:
        if (lParam == IDC_FRAME_PAGE_TABS && static_cast<int>(wParam) >= 0) {
            currentPage_ = static_cast<int>(wParam);
            ShowPerson();
        }
        result = 1;
        return true;
    default:
        break;
    }
    return CCountryListPage::OnMessage(message, wParam, lParam, result);
}

void CDlgManagAll::OnDestroy()
{
    list_.Destroy();
    if (common_) common_->Destroy();
    if (abilities_) abilities_->Destroy();
    CCountryListPage::OnDestroy();
}
