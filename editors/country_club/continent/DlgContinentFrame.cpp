#include "editors/country_club/continent/DlgContinentFrame.h"

#include "core/text/TextKey.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/continent/DlgContinentCompetition.h"
#include "resources/ContinentIds.h"

namespace {

constexpr TextKey tabKeys[CDlgContinentFrame::Continents] = {
    u"Common.Continent.Europe"_tk, u"Common.Continent.SouthAmerica"_tk, u"Common.Continent.NorthAmerica"_tk,
    u"Common.Continent.Africa"_tk, u"Common.Continent.Asia"_tk,         u"Common.Continent.Oceania"_tk,
};

// Where a page sits inside the tab control, below the tabs.
constexpr int PageLeft = 1;
constexpr int PageTop = 24;

}  // namespace

CDlgContinentFrame::CDlgContinentFrame(HWND parent) : CDialogB(IDD_CONTINENT_FRAME, parent) {}

CDlgContinentFrame::~CDlgContinentFrame() = default;

CDlgContinentCompetition* CDlgContinentFrame::GetPage(int continent) const
{
    return continent >= 0 && continent < Continents ? pages_[continent].get() : nullptr;
}

BOOL CDlgContinentFrame::OnInitDialog()
{
    CDialogB::OnInitDialog();
    if (TCompleteWorld* world = GetWorld()) rules_ = world->GetRulesAndMisc();
    tab_.SubclassDlgItem(IDC_CONTINENT_TAB, *this);
    for (int continent = 0; continent < Continents; ++continent) CreatePage(continent);
    tab_.SetCurSel(0);
    return TRUE;
}

void CDlgContinentFrame::CreatePage(int continent)
{
    pages_[continent].reset();
    auto page = std::make_unique<CDlgContinentCompetition>(continent, *this);
    if (!page->Create(tab_.Handle())) return;
    ::SetWindowPos(page->Handle(), nullptr, PageLeft, PageTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    page->Show(continent == 0);
    page->Enable(continent == 0);
    tab_.InsertItem(tabCount_++, GetText(tabKeys[continent]), reinterpret_cast<LPARAM>(page->Handle()));
    pages_[continent] = std::move(page);
}

bool CDlgContinentFrame::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_CONTINENT_TAB || header.code != TCN_SELCHANGE) return false;
    ShowSelectedPage();
    result = 0;
    return true;
}

void CDlgContinentFrame::ShowSelectedPage()
{
    const HWND selected = reinterpret_cast<HWND>(tab_.GetItemData(tab_.GetCurSel()));
    for (const auto& page : pages_) {
        if (!page) continue;
        const bool shown = page->Handle() == selected;
        page->Show(shown);
        page->Enable(shown);
    }
}

void CDlgContinentFrame::StoreIntoWorld()
{
    for (const auto& page : pages_) {
        if (page) page->StoreTitles();
    }
    if (TCompleteWorld* world = GetWorld()) world->GetRulesAndMisc() = rules_;
}

void CDlgContinentFrame::OnOK()
{
    StoreIntoWorld();
    CDialogB::OnOK();
}

void CDlgContinentFrame::OnCancel()
{
    // Escape and the close box keep the changes as OK does: the frame has
    // no way to discard them.
    StoreIntoWorld();
    CDialogB::OnCancel();
}
