// The splash's fade thread: one at a time, reversed in flight, joined when
// the window goes.
#include <gtest/gtest.h>

#include "app/DlgSplash.h"
#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "tests/app/AppTestSupport.h"
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

TEST(Splash, TheApplicationDestroysItsSplashAtExit)
{
    CGlobalObjects globals;
    app_test::WorkingFolder folder(u"splash", false);
    app_test::StoreAcceptance(true);
    // A switch that ends start-up after the splash: the game mutex is held.
    win::CNamedMutex game;
    ASSERT_EQ(game.Create(GameEditorMutexName), win::CNamedMutex::Result::Created);
    app_test::Responder responder;
    {
        gui_test::ModalDriver driver([&responder] { return responder.Step(); });
        globals.App().InitInstance(u"editor.exe");
    }
    ASSERT_NE(globals.App().GetSplash(), nullptr);
    HWND window = globals.App().GetSplash()->Handle();
    globals.App().ExitInstance();
    EXPECT_EQ(globals.App().GetSplash(), nullptr);
    EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
