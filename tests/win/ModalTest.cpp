#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cwchar>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"
#include "tests/win/WinTestIds.h"
#include "win/Button.h"
#include "win/Dialog.h"
#include "win/MessageBox.h"

namespace {

std::atomic<bool> ownerDisabledWhileModal{false};
// Timer ticks a modal window waited to become active; after enough of them
// it ends anyway, so that a failure cannot hang the test.
thread_local int ticksWaited = 0;

bool ReadyToEnd(HWND modal)
{
    return ::GetForegroundWindow() == modal || ++ticksWaited > 40;
}

void NoteOwnerState(HWND modal)
{
    HWND owner = ::GetWindow(modal, GW_OWNER);
    if (owner != nullptr && !::IsWindowEnabled(owner)) ownerDisabledWhileModal = true;
}

// Ends itself a moment after it opened, as a dialog closing on its own work.
class SelfEndingDialog : public win::CDialog {
public:
    SelfEndingDialog() : CDialog(IDD_WIN_TEST) {}

protected:
    BOOL OnInitDialog() override
    {
        ::SetTimer(Handle(), 1, 50, nullptr);
        return CDialog::OnInitDialog();
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        // It ends once it has become the active window, as a dialog does
        // that a user saw.
        if (message != WM_TIMER || !ReadyToEnd(Handle()))
            return CDialog::OnMessage(message, wParam, lParam, result);
        NoteOwnerState(Handle());
        EndDialog(IDOK);
        return true;
    }
};

// Presses OK in the message box of this thread once it is the active
// window, as its user would.
BOOL CALLBACK PressOkInDialog(HWND window, LPARAM)
{
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") != 0 || !ReadyToEnd(window)) return TRUE;
    NoteOwnerState(window);
    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK PressOk(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), PressOkInDialog, 0);
}

// Handles this thread's messages until done says so or the time is up.
template <class Done>
void PumpUntil(Done done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done() && ::GetTickCount() - start < timeoutMs) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

struct ModalCase {
    const char* name;
    bool messageBox;
    bool onWorker;
};

std::string CaseName(const testing::TestParamInfo<ModalCase>& info) { return info.param.name; }
void PrintTo(const ModalCase& modal, std::ostream* out) { *out << modal.name; }

// Counts the times it becomes the active window.
class ActivationCounter : public win::CDialog {
public:
    ActivationCounter() : CDialog(IDD_WIN_TEST) {}
    std::atomic<int> activations{0};

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) ++activations;
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
};

// An owner that is active, and an unrelated window above it.
class ModalActivationTest : public testing::TestWithParam<ModalCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner_.Create(nullptr));
        ASSERT_TRUE(other_.Create(nullptr));
        ::SetWindowPos(owner_.Handle(), HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetWindowPos(other_.Handle(), HWND_TOP, 420, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetForegroundWindow(owner_.Handle());
        PumpUntil([this] { return ::GetForegroundWindow() == owner_.Handle(); }, 2000);
        ASSERT_EQ(::GetForegroundWindow(), owner_.Handle());
        ownerDisabledWhileModal = false;
    }

    ActivationCounter owner_;
    ActivationCounter other_;
};

TEST_P(ModalActivationTest, TheOwnerIsDisabledMeanwhileAndActiveAgainAfterwards)
{
    HWND owner = owner_.Handle();
    const bool messageBox = GetParam().messageBox;
    owner_.activations = 0;
    other_.activations = 0;
    auto runModal = [owner, messageBox] {
        ticksWaited = 0;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 50, PressOk);
        INT_PTR answer = -1;
        if (messageBox) {
            answer = win::ShowMessageBox(owner, u"Text", u"Caption", MB_OK);
        } else {
            SelfEndingDialog dialog;
            answer = dialog.DoModal(owner);
        }
        ::KillTimer(nullptr, timer);
        return answer;
    };
    std::atomic<INT_PTR> answer{-1};
    if (GetParam().onWorker) {
        // The owner's thread goes on handling its messages meanwhile.
        std::atomic<bool> finished{false};
        std::thread worker([&] {
            answer = runModal();
            finished = true;
        });
        PumpUntil([&] { return finished.load(); }, 15000);
        worker.join();
    } else {
        answer = runModal();
    }
    EXPECT_EQ(answer, IDOK);
    EXPECT_TRUE(ownerDisabledWhileModal);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    // The owner, not the unrelated window, became the active window again.
    PumpUntil([this] { return owner_.activations > 0; }, 1000);
    EXPECT_GT(owner_.activations, 0);
    EXPECT_EQ(other_.activations, 0);
    // Under Wine with X, the windows of two threads race for the X focus
    // afterwards, and now and then the desktop wins the foreground; on one
    // thread the owner keeps it.
    if (!GetParam().onWorker) {
        PumpUntil([owner] { return ::GetForegroundWindow() == owner && ::GetActiveWindow() == owner; }, 1000);
        EXPECT_EQ(::GetForegroundWindow(), owner);
        EXPECT_EQ(::GetActiveWindow(), owner);
    }
}

INSTANTIATE_TEST_SUITE_P(Modal, ModalActivationTest,
                         testing::Values(ModalCase{"Dialog", false, false}, ModalCase{"MessageBox", true, false},
                                         ModalCase{"DialogOnWorker", false, true},
                                         ModalCase{"MessageBoxOnWorker", true, true}),
                         CaseName);

// A check box whose own handler fails on every click.
class FailingCheck : public win::CButton {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == BM_CLICK) throw std::logic_error("check failed");
        return CButton::OnMessage(message, wParam, lParam, result);
    }
};

// The button's handler fails; the check box fails in its own procedure.
class FailingDialog : public win::CDialog {
public:
    FailingDialog() : CDialog(IDD_WIN_TEST) {}
    bool checkedAfterFailure = false;
    int clicks = 0;

protected:
    BOOL OnInitDialog() override
    {
        check_.SubclassDlgItem(IDC_WIN_CHECK, *this);
        ::SetTimer(Handle(), 1, 20, nullptr);
        return CDialog::OnInitDialog();
    }
    bool OnCommand(int id, int code, HWND) override
    {
        if (id == IDC_WIN_CHECK && code == BN_CLICKED) ++clicks;
        if (id == IDC_WIN_BUTTON) throw std::runtime_error("button failed");
        return false;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message != WM_TIMER) return CDialog::OnMessage(message, wParam, lParam, result);
        ::KillTimer(Handle(), 1);
        ::SendDlgItemMessageW(Handle(), IDC_WIN_BUTTON, BM_CLICK, 0, 0);
        ::SendDlgItemMessageW(Handle(), IDC_WIN_CHECK, BM_CLICK, 0, 0);
        checkedAfterFailure = ::IsDlgButtonChecked(Handle(), IDC_WIN_CHECK) == BST_CHECKED;
        // The loop is still running: a click posted now still closes it.
        ::PostMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }

private:
    FailingCheck check_;
};

TEST(HandlerFailure, EachFailureIsReportedOnceAndTheDialogGoesOn)
{
    CTextManager* store = CTextManager::Instance();
    ASSERT_TRUE(store->LoadFile(testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    store->SetLanguage(CTextManager::English);
    testing_support::MessageCapture messages;
    FailingDialog dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    auto report = [](std::u16string reason) {
        return u"An unexpected error stopped the last action (" + reason +
               u"). The window stays open; check that your last change was made.";
    };
    EXPECT_EQ(messages.Messages(), (std::vector<std::u16string>{report(u"button failed"), report(u"check failed")}));
    // The failing control still got its default handling: checked, and its
    // click reached the dialog.
    EXPECT_TRUE(dialog.checkedAfterFailure);
    EXPECT_EQ(dialog.clicks, 1);
    store->Clear();
}

}  // namespace
