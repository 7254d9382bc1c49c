#include "editors/country_club/country/DlgLandParent.h"

#include "resources/CountryEditorIds.h"

CDlgLandParent::CDlgLandParent(TCountry* country, HWND parent)
    : CDialogB(IDD_COUNTRY_PARENT, parent), country_(country)
{
}

BOOL CDlgLandParent::OnInitDialog()
{
    CDialogB::OnInitDialog();
    tabs_.SubclassDlgItem(IDC_COUNTRY_TABS, *this);
    // The league system page fills its system combo while it is created.
    leagues_.SetCountry(country_);
    CreateHostedPages();
    // Every tab in its order; a tab whose page is not part of the editor
    // (page null) is left out. Titles are looked up by their whole keys.
    const TPageEntry pages[] = {
        {&general_, IDD_COUNTRY_COMMON, u"Dialog.Country.Parent.General"_tk, General},
        {&leagues_, IDD_COUNTRY_LEAGUESYSTEM, u"Dialog.Country.Parent.LeagueSystem"_tk, LeagueSystem},
        {&cups_, IDD_COUNTRY_CUP, u"Dialog.Country.Parent.Cup"_tk, Cup},
        {pool_.get(), IDD_COUNTRY_PLAYER_POOL, u"Dialog.Country.Parent.FreeAgent"_tk, FreeAgent},
        {referees_.get(), IDD_COUNTRY_REFEREES, u"Dialog.Country.Parent.Referee"_tk, Referee},
        {staff_.get(), IDD_COUNTRY_STAFF, u"Dialog.Country.Parent.Manager"_tk, Manager},
        {&appearance_, IDD_COUNTRY_APPEARANCE, u"Dialog.Country.Parent.PlayerAppearance"_tk, Appearance},
    };
    for (const TPageEntry& entry : pages) {
        if (entry.page != nullptr) AddPage(tabCount_, *entry.page, entry.templateId, GetText(entry.title), entry.code);
    }
    ShowCurrentPage();
    tabs_.SetCurSel(0);
    currentTab_ = tabs_.GetCurSel();
    LoadCurrentPage();
    return TRUE;
}

void CDlgLandParent::CreateHostedPages()
{
    const TCountryHostedPages& hosted = GetCountryHostedPages();
    if (hosted.createPlayerpoolPage) pool_ = hosted.createPlayerpoolPage(tabs_.Handle());
    if (hosted.createRefereesPage) referees_ = hosted.createRefereesPage(tabs_.Handle());
    if (hosted.createManagerPage) staff_ = hosted.createManagerPage(tabs_.Handle());
}

// The hosted pages come created by their factories; every page is put
// last, so the pages lie in tab order whichever was created first.
void CDlgLandParent::AddPage(int tab, CDialogB& page, UINT templateId, const char16_t* title, int code)
{
    if (tab < 0 || tab >= MaxTabs) return;
    if (page.Handle() == nullptr && !page.Create(tabs_.Handle())) return;
    tabs_.InsertItem(tab, title, reinterpret_cast<LPARAM>(&page));
    codes_[static_cast<std::size_t>(tab)] = code;
    tabCount_ = std::max(tabCount_, tab + 1);
    ::SetWindowPos(page.Handle(), HWND_BOTTOM, 2, 24, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    page.Show(false);
    page.Enable(true);
}

int CDlgLandParent::GetPageCode(int tab) const
{
    return tab >= 0 && tab < tabCount_ ? codes_[static_cast<std::size_t>(tab)] : 0;
}

CDialogB* CDlgLandParent::CurrentPage() const { return reinterpret_cast<CDialogB*>(tabs_.GetItemData(currentTab_)); }

void CDlgLandParent::LoadCurrentPage()
{
    switch (GetPageCode(currentTab_)) {
    case General: general_.LoadCountry(country_); break;
    case LeagueSystem: leagues_.LoadCountry(country_); break;
    case Cup: cups_.LoadCountry(country_); break;
    case FreeAgent: pool_->FillList(country_); break;
    case Referee: referees_->FillList(country_); break;
    case Manager: staff_->FillList(country_); break;
    case Appearance: appearance_.LoadCountry(country_); break;
    default: break;
    }
}

bool CDlgLandParent::StoreCurrentPage()
{
    switch (GetPageCode(currentTab_)) {
    case General: general_.StoreCountry(); break;
    case LeagueSystem: leagues_.StoreCountry(); break;
    case Cup: cups_.StoreCountry(); break;
    case Manager: staff_->StoreCountry(); break;
    case Appearance: appearance_.StoreCountry(); break;
    default: break;
    }
    return true;
}

void CDlgLandParent::ShowCurrentPage()
{
    currentTab_ = tabs_.GetCurSel();
    if (CDialogB* page = CurrentPage()) {
        page->Show(true);
        page->Enable(true);
    }
}

void CDlgLandParent::HideCurrentPage()
{
    currentTab_ = tabs_.GetCurSel();
    if (CDialogB* page = CurrentPage()) {
        page->Show(false);
        page->Enable(false);
    }
}

bool CDlgLandParent::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_COUNTRY_TABS) return false;
    if (header.code == TCN_SELCHANGING) {
        OnSelectionChanging();
        result = FALSE;
        return true;
    }
    if (header.code == TCN_SELCHANGE) {
        OnSelectionChanged();
        return true;
    }
    return false;
}

void CDlgLandParent::OnSelectionChanging()
{
    if (StoreCurrentPage()) {
        HideCurrentPage();
        refusedTab_ = -1;
    } else {
        refusedTab_ = currentTab_;
    }
}

void CDlgLandParent::OnSelectionChanged()
{
    if (refusedTab_ != -1) {
        currentTab_ = refusedTab_;
        tabs_.SetCurSel(currentTab_);
        return;
    }
    ShowCurrentPage();
    LoadCurrentPage();
}

void CDlgLandParent::OnOK()
{
    StoreCurrentPage();
    CDialogB::OnOK();
}
