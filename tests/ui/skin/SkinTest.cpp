#include <gtest/gtest.h>

#include "platform/TextCodec.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/render/ImageCtrl.h"
#include "ui/skin/RepaintUnder.h"
#include "ui/skin/SkinBitmap.h"
#include "win/Gdi.h"

namespace {

COLORREF PatternColour(int x, int y)
{
    return RGB(x & 0xFF, y & 0xFF, (x * 7 + y * 3) & 0xFF);
}

// A skin in which every pixel tells where it lies.
class SkinTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        ASSERT_TRUE(skin_.Create(640, 480));
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                COLORREF colour = PatternColour(x, y);
                skin_.Pixels()[y * 640 + x] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
            }
        SetSkinBitmap(skin_.Get());
    }
    void TearDown() override { SetSkinBitmap(nullptr); }

    // Shows the page as a child of the host, away from the host's corner.
    static bool ShowPageOnHost(gui_test::TestDialog& host, gui_test::TestDialog& page)
    {
        if (!host.Create(nullptr) || !page.Create(host.Handle())) return false;
        ::SetWindowPos(host.Handle(), HWND_TOP, 0, 0, 500, 400, SWP_SHOWWINDOW);
        ::SetWindowPos(page.Handle(), nullptr, 23, 31, 300, 200, SWP_NOZORDER | SWP_SHOWWINDOW);
        return true;
    }

    win::CDibSection skin_;
};

TEST_F(SkinTest, StaticOnPageNestedTwoLevelsShowsTheSkinBelowIt)
{
    gui_test::TestDialog host(IDD_TEST_HOST);
    ASSERT_TRUE(host.Create(nullptr));
    gui_test::TestDialog outer(IDD_TEST_PAGE);
    ASSERT_TRUE(outer.Create(host.Handle()));
    gui_test::TestDialog inner(IDD_TEST_PAGE);
    ASSERT_TRUE(inner.Create(outer.Handle()));
    ::SetWindowPos(host.Handle(), HWND_TOP, 0, 0, 500, 400, SWP_SHOWWINDOW);
    ::SetWindowPos(outer.Handle(), nullptr, 23, 31, 300, 200, SWP_NOZORDER | SWP_SHOWWINDOW);
    ::SetWindowPos(inner.Handle(), nullptr, 37, 45, 250, 150, SWP_NOZORDER | SWP_SHOWWINDOW);
    ::RedrawWindow(host.Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    gui_test::PumpMessages();

    HWND label = inner.GetItem(IDC_PAGE_STATIC);
    RECT client{};
    ::GetClientRect(label, &client);
    POINT probe{client.right - 2, client.bottom - 2};
    win::CWindowDC dc(label);
    COLORREF shown = ::GetPixel(dc.Get(), probe.x, probe.y);
    POINT inHost = probe;
    ::MapWindowPoints(label, host.Handle(), &inHost, 1);
    EXPECT_EQ(shown, PatternColour(inHost.x, inHost.y)) << "probe at " << inHost.x << "," << inHost.y;

    // The page itself shows the skin at its own offset as well.
    win::CWindowDC pageDc(inner.Handle());
    POINT pageProbe{200, 140};
    POINT pageInHost = pageProbe;
    ::MapWindowPoints(inner.Handle(), host.Handle(), &pageInHost, 1);
    EXPECT_EQ(::GetPixel(pageDc.Get(), pageProbe.x, pageProbe.y), PatternColour(pageInHost.x, pageInHost.y));
}

// A static whose text changes while it is shown looks as it does once the
// whole window is drawn afresh: nothing of its old text stays, on the skin
// and, without one, on the face colour.
TEST_F(SkinTest, AStaticsNewTextLooksAsIfTheWindowWereDrawnAfresh)
{
    for (const bool skinned : {true, false}) {
        SCOPED_TRACE(skinned ? "on the skin" : "without a skin");
        SetSkinBitmap(skinned ? skin_.Get() : nullptr);
        gui_test::TestDialog host(IDD_TEST_HOST);
        gui_test::TestDialog page(IDD_TEST_PAGE);
        ASSERT_TRUE(ShowPageOnHost(host, page));
        HWND label = page.GetItem(IDC_PAGE_STATIC);
        ::SetWindowTextW(label, L"");
        const std::vector<std::uint8_t> empty = gui_test::CaptureRedrawn(label);
        for (const wchar_t* text : {L"WWWWWWWWWW", L"ii", L""}) {
            ::SetWindowTextW(label, text);
            gui_test::PumpMessages();
            const std::vector<std::uint8_t> changed = gui_test::CaptureWindow(label);
            EXPECT_EQ(gui_test::CountDifferentBytes(changed, gui_test::CaptureRedrawn(label)), 0u) << "text " << text;
        }
        EXPECT_EQ(gui_test::CountDifferentBytes(gui_test::CaptureWindow(label), empty), 0u);
    }
}

// A check box or group box whose caption changes while it is shown looks as
// it does once the window is drawn afresh: nothing of the old caption stays
// under, beside or over the new one.
TEST_F(SkinTest, AButtonsNewCaptionLooksAsIfTheWindowWereDrawnAfresh)
{
    gui_test::TestDialog host(IDD_TEST_HOST);
    gui_test::TestDialog page(IDD_TEST_PAGE);
    ASSERT_TRUE(ShowPageOnHost(host, page));
    gui_test::TestDialog framed(IDD_TEST_TRANSLATE);
    ASSERT_TRUE(framed.Create(nullptr));
    ::SetWindowPos(framed.Handle(), HWND_TOP, 0, 0, 500, 300, SWP_SHOWWINDOW);
    gui_test::PumpMessages();
    for (HWND button : {page.GetItem(IDC_PAGE_CHECK), framed.GetItem(IDC_TEST_GROUP)}) {
        for (const char16_t* caption : {u"WWWWWWWWWWWW", u"ii", u"Common (ID: 123456)", u""}) {
            SCOPED_TRACE(platform::Utf16ToUtf8(gui_test::WindowText(button)) + " to " + platform::Utf16ToUtf8(caption));
            SetButtonCaption(button, caption);
            gui_test::PumpMessages();
            const std::vector<std::uint8_t> changed = gui_test::CaptureWindow(button);
            EXPECT_EQ(gui_test::CountDifferentBytes(changed, gui_test::CaptureRedrawn(button)), 0u);
        }
    }
}

TEST_F(SkinTest, ImageControlShowsItsCopyWithTheSkinBesideItAndBlackWithout)
{
    CImageCtrl image;
    ASSERT_TRUE(image.SubclassDlgItem(IDC_GALLERY_IMAGE, gallery_));
    Redraw(image.Handle());
    EXPECT_EQ(Pixel(image.Handle(), 5, 5), RGB(0, 0, 0));
    EXPECT_FALSE(image.SetBitmap(nullptr));
    {
        win::CDibSection red;
        ASSERT_TRUE(red.Create(20, 10));
        for (int i = 0; i < 20 * 10; ++i) red.Pixels()[i] = 0xFF0000;
        EXPECT_TRUE(image.SetBitmap(red.Get()));
    }
    // The source is gone; the copy stays, also after a refused call.
    EXPECT_FALSE(image.SetBitmap(nullptr));
    Redraw(image.Handle());
    RECT client = image.GetClientRect();
    for (POINT probe : {POINT{19, 9}, POINT{20, 5}, POINT{5, 10}, POINT{client.right - 1, client.bottom - 1}}) {
        POINT inGallery = probe;
        ::MapWindowPoints(image.Handle(), gallery_.Handle(), &inGallery, 1);
        COLORREF expected = probe.x < 20 && probe.y < 10 ? RGB(255, 0, 0) : PatternColour(inGallery.x, inGallery.y);
        EXPECT_EQ(Pixel(image.Handle(), probe.x, probe.y), expected) << probe.x << "," << probe.y;
    }
    image.Clear();
    Redraw(image.Handle());
    EXPECT_EQ(Pixel(image.Handle(), 5, 5), RGB(0, 0, 0));
}

TEST_F(SkinTest, PaintingNeedsAWindowAndADeviceContext)
{
    EXPECT_FALSE(CDialogB::PaintBackgroundUnder(nullptr, nullptr));
    gui_test::TestDialog host(IDD_TEST_HOST);
    ASSERT_TRUE(host.Create(nullptr));
    EXPECT_FALSE(CDialogB::PaintBackgroundUnder(host.Handle(), nullptr));
    SetSkinBitmap(nullptr);
    win::CWindowDC dc(host.Handle());
    EXPECT_FALSE(CDialogB::PaintBackgroundUnder(host.Handle(), dc.Get()));
}

}  // namespace
