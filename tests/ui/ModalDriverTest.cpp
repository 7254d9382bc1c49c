// The window driver's watchdog ends a stuck test at its time-out, whatever
// it has open: a dialog that stays open on Cancel, as the main window and a
// busy progress window do, ends too.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

class StaysOnCancel : public gui_test::TestDialog {
public:
    StaysOnCancel() : TestDialog(IDD_TEST_TRANSLATE) {}

protected:
    void OnCancel() override {}
};

HWND backstopWindow = nullptr;
bool backstopEnded = false;

// Ends the dialog should the watchdog miss it: the test then fails instead
// of hanging.
void CALLBACK Backstop(HWND, UINT, UINT_PTR, DWORD)
{
    if (backstopWindow == nullptr) return;
    backstopEnded = true;
    ::EndDialog(backstopWindow, IDABORT);
}

TEST(ModalDriver, ATimeOutEndsADialogThatStaysOpenOnCancel)
{
    gui_test::LoadTestTexts();
    StaysOnCancel dialog;
    gui_test::ModalDriver driver([&] {
        backstopWindow = dialog.Handle();
        return false;
    }, 300);
    const UINT_PTR backstop = ::SetTimer(nullptr, 0, 5000, Backstop);
    dialog.DoModal();
    ::KillTimer(nullptr, backstop);
    backstopWindow = nullptr;
    EXPECT_TRUE(driver.TimedOut());
    EXPECT_FALSE(backstopEnded) << "the watchdog left the dialog open";
}

}  // namespace
