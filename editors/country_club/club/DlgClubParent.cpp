#include "editors/country_club/club/DlgClubParent.h"

#include <commctrl.h>

#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "resources/ClubEditorIds.h"
#include "win/ClassName.h"

namespace {

constexpr int PageLeft = 2;
constexpr int PageTop = 24;

bool IsDroppedCombo(HWND window)
{
    return win::HasClassName(window, L"ComboBox") && ::SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// A push button, owner-drawn ones (the kit's colours) included; not a
// check box, radio button or group box.
bool IsPushButton(HWND window)
{
    if (!win::HasClassName(window, L"Button")) return false;
    const auto type = static_cast<UINT>(::GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

}  // namespace

CDlgClubParent::CDlgClubParent(HWND parent) : CDialogB(IDD_CLUB_PARENT, parent) {}

void CDlgClubParent::AddClub(TTeamId id)
{
    if (!IsInitialised()) clubs_.push_back(id);
}

BOOL CDlgClubParent::OnInitDialog()
{
    CDialogB::OnInitDialog();
    tab_.SubclassDlgItem(IDC_CLUB_TAB, *this);
    chooser_.SubclassDlgItem(IDC_CLUB_CHOOSER, *this);
    AddPage(0, common_, u"Dialog.Club.Frame.Common"_tk.key, CommonPage);
    AddPage(1, badge_, u"Dialog.Club.Frame.Badge"_tk.key, BadgePage);
    AddPage(2, kit_, u"Dialog.Club.Frame.Kit"_tk.key, KitPage);
    AddPage(3, ground_, u"Dialog.Club.Frame.Ground"_tk.key, GroundPage);
    AddPage(4, history_, u"Dialog.Club.Frame.History"_tk.key, HistoryPage);
    tab_.SetCurSel(0);
    tab_.ShowCurrentPage();
    currentTab_ = 0;
    LoadCurrentPage();
    const std::u16string caption = win::CWindow::GetText();
    CopyText(title_, caption);
    UpdateCaption();
    FillChooser();
    ::SendDlgItemMessageW(Handle(), IDC_CLUB_STEP, UDM_SETRANGE32, static_cast<WPARAM>(-1), 1);
    return TRUE;
}

void CDlgClubParent::AddPage(int tab, CDialogB& page, const char16_t* title, PageCode code)
{
    page.Create(tab_.Handle());
    tab_.InsertItem(tab, GetText(title), reinterpret_cast<LPARAM>(page.Handle()));
    if (pageCodes_.size() <= static_cast<std::size_t>(tab)) pageCodes_.resize(static_cast<std::size_t>(tab) + 1, NoPage);
    pageCodes_[static_cast<std::size_t>(tab)] = code;
    ::SetWindowPos(page.Handle(), nullptr, PageLeft, PageTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    page.Show(false);
    page.Enable(true);
}

void CDlgClubParent::LoadCurrentPage()
{
    if (currentTab_ < 0 || static_cast<std::size_t>(currentTab_) >= pageCodes_.size()) return;
    switch (pageCodes_[static_cast<std::size_t>(currentTab_)]) {
    case CommonPage: common_.LoadClub(club_, country_); break;
    case BadgePage: badge_.LoadClub(club_); break;
    case KitPage: kit_.LoadClub(club_); break;
    case GroundPage: ground_.LoadClub(club_); break;
    case HistoryPage: history_.LoadClub(club_); break;
    default: break;
    }
}

void CDlgClubParent::StoreCurrentPage()
{
    if (currentTab_ < 0 || static_cast<std::size_t>(currentTab_) >= pageCodes_.size()) return;
    switch (pageCodes_[static_cast<std::size_t>(currentTab_)]) {
    case CommonPage: common_.StoreClub(); break;
    case BadgePage: badge_.StoreClub(); break;
    case KitPage: kit_.StoreClub(); break;
    case GroundPage: ground_.StoreClub(); break;
    case HistoryPage: history_.StoreClub(); break;
    default: break;
    }
}

void CDlgClubParent::UpdateCaption()
{
    if (club_ == nullptr) return;
    SetText(Format(u"%s - %s", title_, club_->GetName()));
}

void CDlgClubParent::FillChooser()
{
    chooser_.ResetContent();
    TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    for (const TTeamId id : clubs_) {
        const TClub* club = world->GetClub(id);
        if (club == nullptr) continue;
        const int item = AddComboItem(chooser_, club->GetName(), static_cast<LPARAM>(id));
        if (club_ != nullptr && id == club_->GetId()) chooser_.SetCurSel(item);
    }
}

void CDlgClubParent::ChangeClub()
{
    const int item = chooser_.GetCurSel();
    const auto id = item < 0 ? TTeamId{0} : static_cast<TTeamId>(chooser_.GetItemData(item));
    TClub* club = GetWorld() != nullptr ? GetWorld()->GetClub(id) : nullptr;
    if (club == nullptr) return;
    StoreCurrentPage();
    club_ = club;
    LoadCurrentPage();
    UpdateCaption();
}

void CDlgClubParent::Step(int delta)
{
    const int selected = chooser_.GetCurSel();
    const int count = chooser_.GetCount();
    if (count == 0) return;
    int next = selected + delta;
    if (next < 0) next = 0;
    if (next > count - 1) next = count - 1;
    if (next == selected) return;
    chooser_.SetCurSel(next);
    ChangeClub();
}

void CDlgClubParent::OnOK()
{
    StoreCurrentPage();
    CDialogB::OnOK();
}

bool CDlgClubParent::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_CLUB_CHOOSER && code == CBN_SELCHANGE) {
        ChangeClub();
        return true;
    }
    return false;
}

bool CDlgClubParent::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom == IDC_CLUB_STEP && header.code == UDN_DELTAPOS) {
        Step(reinterpret_cast<const NMUPDOWN&>(header).iDelta);
        // The spin keeps its position, so it never sticks at an end.
        result = 1;
        return true;
    }
    return false;
}

bool CDlgClubParent::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == CMyTabCtrl::PageLeaveRequest && static_cast<int>(lParam) == IDC_CLUB_TAB) {
        currentTab_ = static_cast<int>(wParam);
        StoreCurrentPage();
        result = 1;
        return true;
    }
    if (message == CMyTabCtrl::PageChanged && static_cast<int>(lParam) == IDC_CLUB_TAB) {
        currentTab_ = static_cast<int>(wParam);
        LoadCurrentPage();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}

bool CDlgClubParent::IsInCurrentPage(HWND window) const
{
    const HWND page = reinterpret_cast<HWND>(tab_.GetItemData(tab_.GetCurSel()));
    return page != nullptr && (window == page || ::IsChild(page, window));
}

bool CDlgClubParent::CurrentPageEndsOnEnter() const
{
    if (currentTab_ < 0 || static_cast<std::size_t>(currentTab_) >= pageCodes_.size()) return false;
    const PageCode code = pageCodes_[static_cast<std::size_t>(currentTab_)];
    return code == BadgePage || code == GroundPage || code == HistoryPage;
}

bool CDlgClubParent::PreTranslateMessage(MSG& message)
{
    if (message.message != WM_KEYDOWN || (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)) return false;
    if (!IsInCurrentPage(message.hwnd)) return false;
    // An open drop-down list still closes on these keys.
    if (IsDroppedCombo(message.hwnd) || IsDroppedCombo(::GetParent(message.hwnd))) return false;
    if (message.wParam == VK_RETURN && IsPushButton(message.hwnd)) {
        // The page's own buttons act as when clicked; posted, so that a
        // button opening a dialog does not run it inside this filter.
        ::PostMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    if (message.wParam == VK_RETURN && CurrentPageEndsOnEnter()) OnOK();
    return true;
}
