#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/DlgErrorMessage.h"
#include "win/MessageBox.h"

namespace {

// Clicks a button of the first dialog of the calling thread.
std::function<bool()> ClickInThreadDialog(int buttonId)
{
    return [buttonId] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr) return false;
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
        return true;
    };
}

TEST(ModalThreadTest, DialogAndMessageBoxRunOnWorkerWithOwnerOnUiThread)
{
    gui_test::LoadTestTexts();
    gui_test::TestDialog owner(IDD_TEST_HOST);
    ASSERT_TRUE(owner.Create(nullptr));
    ::ShowWindow(owner.Handle(), SW_SHOW);
    HWND ownerHandle = owner.Handle();

    std::atomic<INT_PTR> dialogResult{0};
    std::atomic<int> boxResult{0};
    std::atomic<bool> ownerDisabledWhileModal{false};
    std::atomic<bool> timedOut{false};
    HANDLE finished = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread worker([&] {
        {
            CDlgErrorMessage message(ownerHandle);
            message.SetMessage(u"Header", u"Text");
            gui_test::ModalDriver driver([&] {
                HWND dialog = gui_test::FindThreadDialog();
                if (dialog == nullptr) return false;
                ownerDisabledWhileModal = !::IsWindowEnabled(ownerHandle);
                ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return true;
            });
            dialogResult = message.DoModal();
            timedOut = timedOut || driver.TimedOut();
        }
        gui_test::ModalDriver driver(ClickInThreadDialog(IDOK));
        boxResult = win::ShowMessageBox(ownerHandle, u"From the worker", u"Caption", MB_OKCANCEL);
        timedOut = timedOut || driver.TimedOut();
        ::SetEvent(finished);
    });
    // The UI thread keeps pumping, as its own modal loop would.
    while (::MsgWaitForMultipleObjects(1, &finished, FALSE, 15000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        gui_test::PumpMessages();
    worker.join();
    ::CloseHandle(finished);

    EXPECT_FALSE(timedOut);
    EXPECT_EQ(dialogResult, IDOK);
    EXPECT_EQ(boxResult, IDOK);
    EXPECT_TRUE(ownerDisabledWhileModal);
    EXPECT_TRUE(::IsWindowEnabled(ownerHandle));
}

}  // namespace
