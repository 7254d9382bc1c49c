// The splash's fade thread: one at a time, reversed in flight, joined when
// the window goes.
#include <gtest/gtest.h>

#include "app/DlgSplash.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

TEST(Splash, AFadeOutDuringTheFadeInReversesItAndEndsHidden)
{
    CDlgSplash splash;
    ASSERT_TRUE(splash.Create(nullptr));
    splash.FadeIn();
    EXPECT_TRUE(splash.IsFading());
    ::Sleep(50);
    splash.FadeOut();
    splash.WaitForFade();
    gui_test::PumpMessages();
    EXPECT_EQ(splash.GetOpacity(), 0);
    EXPECT_FALSE(splash.IsVisible());

    splash.FadeIn();
    splash.WaitForFade();
    EXPECT_EQ(splash.GetOpacity(), 255);
    splash.FadeOut();
    // Destroyed while fading: the thread is stopped and joined first.
    splash.Destroy();
    EXPECT_FALSE(splash.IsFading());
}

}  // namespace
