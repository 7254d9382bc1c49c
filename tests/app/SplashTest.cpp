// The splash: the picture of its language, and its fade thread: one at a
// time, reversed in flight, joined when the window goes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/DlgSplash.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/Gdi.h"

namespace {

// What the splash paints as its background, in its window's size.
std::vector<std::uint8_t> Painted(HWND splash)
{
    RECT client{};
    ::GetClientRect(splash, &client);
    const win::CWindowDC screen(splash);
    const win::CMemoryDC memory(screen.Get());
    const win::CBitmap canvas(::CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    {
        win::CSelectObject select(memory.Get(), canvas.Get());
        ::SendMessageW(splash, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
    }
    return gui_test::BitmapPixels(canvas.Get());
}

// The splash shows the program's name in the language of its texts.
TEST(Splash, ShowsThePictureOfItsLanguage)
{
    const gui_test::LanguagePicture pictures[] = {{5105, u"SplashEnglish.bmp"}, {5107, u"SplashFrench.bmp"},
                                                  {5104, u"SplashGerman.bmp"},  {5098, u"SplashItalian.bmp"},
                                                  {5106, u"SplashSpanish.bmp"}, {5109, u"SplashPolish.bmp"}};
    gui_test::ExpectEachLanguageShowsItsPicture(pictures, [] {
        CDlgSplash splash;
        EXPECT_TRUE(splash.Create(nullptr));
        std::vector<std::uint8_t> shown = Painted(splash.Handle());
        splash.Destroy();
        return shown;
    });
}

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
