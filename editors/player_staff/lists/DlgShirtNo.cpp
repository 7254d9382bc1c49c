#include "editors/player_staff/lists/DlgShirtNo.h"

#include <windowsx.h>

#include "database/club/Club.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/lists/ShirtNumberBoard.h"
#include "resources/StaffPagesIds.h"
#include "win/WideText.h"

namespace {

constexpr int ListIds[3] = {IDC_SHIRT_NUMBERS_LOW, IDC_SHIRT_NUMBERS_MIDDLE, IDC_SHIRT_NUMBERS_HIGH};
constexpr std::uint16_t ColumnPositions[] = {0, 20, 120};
constexpr std::uint16_t ColumnWidths[] = {20, 100, 30};
constexpr int LabelWidth = 200;
constexpr int LabelHeight = 20;

POINT PointOf(LPARAM lParam)
{
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

CDlgShirtNo::CDlgShirtNo(HWND parent) : CDialogB(IDD_SHIRT_NUMBERS, parent) {}

CDlgShirtNo::~CDlgShirtNo() = default;

void CDlgShirtNo::SetTeam(bool firstTeam, TClub* club)
{
    firstTeam_ = firstTeam;
    club_ = club;
}

BOOL CDlgShirtNo::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    for (std::size_t list = 0; list < lists_.size(); ++list) {
        lists_[list].SubclassDlgItem(ListIds[list], *this);
        lists_[list].SetColumns(3, ColumnPositions, ColumnWidths);
        lists_[list].SetForwardLButtonDown(true);
    }
    dragLabel_.Create(Handle(), LabelWidth, LabelHeight);
    board_ = std::make_unique<ShirtNumberBoard>(club_, firstTeam_);
    Fill();
    return result;
}

void CDlgShirtNo::Fill()
{
    board_->Fill();
    for (CMyListBox& list : lists_) {
        list.SetRedraw(false);
        list.ResetContent();
    }
    for (int number = 1; number < ShirtNumberBoard::NumberCount; ++number) {
        CMyListBox& list = lists_[static_cast<std::size_t>((number - 1) / ShirtNumberBoard::RowsPerList)];
        const int row = list.AddString(board_->RowText(number).c_str());
        list.SetItemData(row, board_->PersonOn(number));
    }
    for (CMyListBox& list : lists_) list.SetRedraw(true);
}

CDlgShirtNo::THit CDlgShirtNo::HitTest(POINT inDialog) const
{
    for (std::size_t list = 0; list < lists_.size(); ++list) {
        POINT point = inDialog;
        ::MapWindowPoints(Handle(), lists_[list].Handle(), &point, 1);
        RECT client{};
        ::GetClientRect(lists_[list].Handle(), &client);
        if (::PtInRect(&client, point)) return {static_cast<int>(list), lists_[list].ItemFromPoint(point)};
    }
    return {};
}

void CDlgShirtNo::OnLeftButtonDown(POINT point)
{
    const THit hit = HitTest(point);
    if (dragging_ || hit.list < 0 || hit.row < 0) return;
    const int number = ShirtNumberBoard::NumberAt(hit.list, hit.row);
    const TPerson* person = club_ != nullptr ? club_->FindPlayer(board_->PersonOn(number)) : nullptr;
    if (person == nullptr) return;
    draggedId_ = person->GetId();
    dragging_ = true;
    dragLabel_.Show(TPerson::GetShortName(person).c_str());
    dragLabel_.FollowCursor();
    ::SetCapture(Handle());
}

void CDlgShirtNo::OnMouseMove(POINT point)
{
    if (!dragging_) return;
    const THit hit = HitTest(point);
    if (hit.list >= 0) {
        for (std::size_t list = 0; list < lists_.size(); ++list) {
            const bool under = static_cast<int>(list) == hit.list;
            if (under || hit.list == 0) lists_[list].SetCurSel(under ? hit.row : -1);
        }
    }
    dragLabel_.FollowCursor();
}

void CDlgShirtNo::OnLeftButtonUp(POINT point)
{
    if (!dragging_) return;
    ::ReleaseCapture();
    dragging_ = false;
    dragLabel_.Hide();
    const THit hit = HitTest(point);
    // A drop beside the rows hands out no number.
    if (hit.list < 0 || hit.row < 0) return;
    if (board_->Drop(draggedId_, ShirtNumberBoard::NumberAt(hit.list, hit.row))) Fill();
}

bool CDlgShirtNo::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_LBUTTONDOWN: OnLeftButtonDown(PointOf(lParam)); break;
    case WM_MOUSEMOVE: OnMouseMove(PointOf(lParam)); break;
    case WM_LBUTTONUP: OnLeftButtonUp(PointOf(lParam)); break;
    default: return CDialogB::OnMessage(message, wParam, lParam, result);
    }
    result = 0;
    return true;
}
