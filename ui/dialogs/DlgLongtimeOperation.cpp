#include "ui/dialogs/DlgLongtimeOperation.h"

#include <string>

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"

namespace {

// Marks the window as a progress dialog: a window property, which any
// thread can read while the window lives.
constexpr wchar_t ProgressMark[] = L"Trellan.ProgressWindow";

std::u16string Seconds(CTextManager& texts, std::int64_t milliseconds)
{
    char16_t buffer[64] = {};
    texts.FormatTime(1, 0, 0, static_cast<int>(milliseconds / 1000), buffer, std::size(buffer));
    return buffer;
}

}  // namespace

bool CDlgLongtimeOperation::IsProgressWindow(HWND window) { return ::GetPropW(window, ProgressMark) != nullptr; }

CDlgLongtimeOperation::CDlgLongtimeOperation(HWND parent)
    : CDialogB(IDD_LONGTIME_OPERATION, parent), clock_(platform::TickCount)
{
}

bool CDlgLongtimeOperation::StartWorker(CLongtimeWorker& worker)
{
    return worker_.Start([&worker] { worker.ThreadMain(); }, nullptr);
}

int CDlgLongtimeOperation::RunDisplay() { return static_cast<int>(DoModal()); }

void CDlgLongtimeOperation::JoinWorker() { worker_.Join(); }

void CDlgLongtimeOperation::RequestApply() { ::PostMessageW(requestTarget_, ApplyMessage, 0, 0); }

void CDlgLongtimeOperation::RequestFinish() { ::PostMessageW(requestTarget_, FinishedMessage, 0, 0); }

BOOL CDlgLongtimeOperation::OnInitDialog()
{
    CDialogB::OnInitDialog();
    ::SetPropW(Handle(), ProgressMark, Handle());
    progress_.Attach(GetItem(IDC_LONGTIME_PROGRESS));
    line1_.SubclassDlgItem(IDC_LONGTIME_LINE1, *this);
    line2_.SubclassDlgItem(IDC_LONGTIME_LINE2, *this);
    timeLine_.SubclassDlgItem(IDC_LONGTIME_TIME, *this);
    startTime_.reset();
    applied_.reset();
    timeTemplate_ = GetText(u"TimeFormat"_tk, u"");
    ::SetDlgItemTextW(Handle(), IDCANCEL, reinterpret_cast<LPCWSTR>(GetText(u"Dialog.Cancel"_tk, u"")));
    Apply(TakeStateForApply());
    requestTarget_ = Handle();
    // The work starts only when the owner is disabled and the loop runs.
    Post(ReadyMessage);
    return TRUE;
}

// Whatever ended the window (a quit message, the owner destroyed), the
// worker is called off and has ended before the window is gone.
void CDlgLongtimeOperation::OnDestroy()
{
    // Unmarked first: a box of the worker closing meanwhile leaves the
    // window alone rather than wait on this thread, which waits on it.
    ::RemovePropW(Handle(), ProgressMark);
    DisplayClosed();
    worker_.Join();
    progress_.Detach();
}

// Escape, the close box and the button: only when the operation allows it.
// The operation sees the request and ends its work; RunModal waits for that.
void CDlgLongtimeOperation::OnCancel()
{
    if (!GetState().cancelAllowed) return;
    RequestCancel();
    CDialogB::OnCancel();
}

bool CDlgLongtimeOperation::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case ReadyMessage:
        DisplayOpened();
        Apply(TakeStateForApply());
        return true;
    case ApplyMessage:
        Apply(TakeStateForApply());
        return true;
    case FinishedMessage:
        Apply(TakeStateForApply());
        EndDialog(IDOK);
        ReturnActivationToOwner();
        return true;
    case WM_WINDOWPOSCHANGING:
        // The modal loop shows every dialog; a hidden operation stays hidden.
        if (!shown_) reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
        return false;
    default:
        return CDialogB::OnMessage(message, wParam, lParam, result);
    }
}

// Hidden while it was active, or behind a box of the operation that closed
// on the worker's thread, the dialog may have left the activation with no
// window of the program: the window it stood over takes it back, as it
// does from a dialog that ends while active.
void CDlgLongtimeOperation::ReturnActivationToOwner() const
{
    HWND owner = ::GetWindow(Handle(), GW_OWNER);
    HWND front = ::GetForegroundWindow();
    if (owner != nullptr && (front == nullptr || front == ::GetDesktopWindow())) ::SetForegroundWindow(owner);
}

// Texts are set only when they changed: every setting repaints them.
void CDlgLongtimeOperation::Apply(const State& state)
{
    if (!applied_ || applied_->caption != state.caption) SetText(state.caption);
    if (!applied_ || applied_->line1 != state.line1) line1_.SetText(state.line1);
    if (!applied_ || applied_->line2 != state.line2) line2_.SetText(state.line2);
    applied_ = state;
    progress_.SetRange(state.minimum, state.maximum);
    progress_.SetPos(state.position);
    ::EnableWindow(GetItem(IDCANCEL), state.cancelAllowed);
    timeLine_.Show(state.showTimeEstimate);
    if (!state.showTimeEstimate) timeLine_.SetText(u"");
    if (shown_ != state.visible) {
        shown_ = state.visible;
        Show(shown_);
    }
    UpdateTimeLine(state);
}

// The estimate is of the whole operation, measured from the first step
// past the minimum; nothing is written during the first second.
void CDlgLongtimeOperation::UpdateTimeLine(const State& state)
{
    if (!state.showTimeEstimate || !state.visible || state.position <= state.minimum) return;
    const std::uint32_t now = clock_();
    if (!startTime_) {
        startTime_ = now;
        return;
    }
    const std::int64_t elapsed = static_cast<std::uint32_t>(now - *startTime_);
    if (elapsed < 1000) return;
    const std::int64_t span = static_cast<std::int64_t>(state.maximum) - state.minimum;
    const std::int64_t estimate = span * elapsed / (static_cast<std::int64_t>(state.position) - state.minimum);
    CTextManager& texts = *GetTextManager();
    const std::u16string line = ReplaceTokens(
        timeTemplate_, {{u"_ELAPSED", Seconds(texts, elapsed)}, {u"_ESTIMATED", Seconds(texts, estimate)}});
    timeLine_.SetText(line.substr(0, TimeLineCapacity));
}

void InstallLongtimeProgressDialog(std::function<HWND()> owner)
{
    SetLongtimeProgressFactory([owner = std::move(owner)]() -> std::unique_ptr<ILongtimeProgress> {
        return std::make_unique<CDlgLongtimeOperation>(owner ? owner() : nullptr);
    });
}
