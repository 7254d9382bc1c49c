#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <tuple>
#include <utility>

#include "archive/MireloBig.h"
#include "core/text/TextManager.h"
#include "database/club/KitPalette.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "tests/ui/renderer/StandInStatistics.h"
#include "ui/render/KitCtrl.h"
#include "ui/render/PlayerImageCtrl.h"
#include "ui/render/RenderManager.h"
#include "win/WideText.h"

namespace {

using stand_in::Statistics;

// An uncompressed 32-bit top-down TGA: opaque red in the four corner
// pixels, transparent green elsewhere.
std::string CornerPicture(int width, int height)
{
    std::string tga(18, '\0');
    tga[2] = 2;
    tga[12] = static_cast<char>(width & 0xFF);
    tga[13] = static_cast<char>(width >> 8);
    tga[14] = static_cast<char>(height & 0xFF);
    tga[15] = static_cast<char>(height >> 8);
    tga[16] = 32;
    tga[17] = 0x28;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool corner = (x == 0 || x == width - 1) && (y == 0 || y == height - 1);
            tga += corner ? std::string("\x00\x00\xFF\xFF", 4) : std::string("\x00\xFF\x00\x00", 4);
        }
    return tga;
}

COLORREF PortraitPixel(HWND control, int x, int y)
{
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = ::GetDC(control);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(control, dc);
    return pixel;
}

// A working folder with the four (empty) game files, the stand-in renderer
// when asked, and a kit texture.
class KitPreview : public testing::Test {
protected:
    void Start(bool withRenderer)
    {
        gui_test::LoadTestTexts();
        platform::SetBaseFolder(base.Path());
        ASSERT_TRUE(platform::CreateFolders(base.File(u"Data")));
        ASSERT_TRUE(platform::CreateFolders(base.File(u"user\\kits")));
        for (const char16_t* name : {u"mireloglrm.big", u"GenKits.big", u"qaro.fat", u"zdata_01.big"})
            testing_support::WriteBytes(base.File(u"Data\\" + std::u16string(name)), std::string());
        testing_support::WriteBytes(base.File(u"user\\kits\\00000005_h.tga"), std::string("tga"));
        if (withRenderer)
            testing_support::WriteBytes(base.File(u"Renderer.dll"), testing_support::ReadBytes(testing_support::BinaryPath(
                                                                        u"tests\\ui\\renderer_working.dll")));
        ASSERT_TRUE(host.Create(nullptr));
        HWND placeholder = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 240, host.Handle(),
                                             reinterpret_cast<HMENU>(1855), nullptr, nullptr);
        manager = std::make_unique<CRenderManager>(environment);
        kit = std::make_unique<CKitCtrl>(manager.get());
        ASSERT_TRUE(kit->Subclass(placeholder));
        ::SetWindowPos(host.Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    void TearDown() override
    {
        kit.reset();
        manager.reset();
        host.Destroy();
        platform::SetBaseFolder(previousBase);
        CTextManager::Instance()->SetLanguage(CTextManager::English);
    }
    const Statistics* Stand()
    {
        return stand_in::StatisticsOf(::GetModuleHandleW(win::W(platform::MakeAbsolute(base.File(u"Renderer.dll")))));
    }
    void ShortenPixelBuffers(LONG pixels)
    {
        HMODULE module = ::GetModuleHandleW(win::W(platform::MakeAbsolute(base.File(u"Renderer.dll"))));
        auto shorten = reinterpret_cast<void (*)(LONG)>(
            reinterpret_cast<void (*)()>(module ? ::GetProcAddress(module, "StandInShortenPixelBuffers") : nullptr));
        ASSERT_NE(shorten, nullptr);
        shorten(pixels);
    }
    static TKitBlock Block(const char* texture)
    {
        TKitLook look;
        look.styles[0] = 3;
        for (int i = 0; i < 8; ++i) look.colours[i] = static_cast<std::uint8_t>(i * 8 + 2);
        return BuildKitBlock(look, texture);
    }
    static void PumpFor(DWORD ms)
    {
        const DWORD end = ::GetTickCount() + ms;
        while (static_cast<LONG>(end - ::GetTickCount()) > 0) {
            gui_test::PumpMessages();
            ::Sleep(5);
        }
    }
    testing_support::TempFolder base;
    const std::u16string previousBase = platform::GetBaseFolder();
    gui_test::TestDialog host{IDD_TEST_HOST};
    const CRenderManager::Environment environment{[this] { return host.Handle(); }, [] { return false; }, [] {}};
    std::unique_ptr<CRenderManager> manager;
    std::unique_ptr<CKitCtrl> kit;
};

}  // namespace

TEST_F(KitPreview, OptionsCarryTextureVariantAndLanguage)
{
    Start(false);
    ASSERT_FALSE(manager->IsAvailable());
    CTextManager::Instance()->SetLanguage(2);
    struct Case {
        std::uint32_t id;
        bool first;
        std::uint32_t flags, texture;
    };
    for (const Case& c : {Case{5, false, 0x20000004u, 1}, Case{0, true, 0x20000000u, 0}}) {
        kit->SetKit(Block("user\\kits\\00000005_h.tga"), c.id, c.first);
        EXPECT_EQ(kit->GetRenderOptions()[5], c.flags);
        EXPECT_EQ(kit->GetRenderOptions()[7], c.id);
        EXPECT_EQ(kit->GetRenderOptions()[8], c.texture);
    }
    kit->SetKit(Block("user\\kits\\missing.tga"), 5, true);
    EXPECT_EQ(kit->GetRenderOptions()[8], 0u);
    kit->RenderKit(Block(""), 5, false);
    EXPECT_EQ(kit->GetRenderOptions()[5], 4u);
    EXPECT_EQ(kit->GetKitData()[3], GetKitPaletteColourArgb(2));
    EXPECT_EQ(Stand(), nullptr);
    EXPECT_FALSE(manager->IsAttached());
}

TEST_F(KitPreview, StandInDrawsTheKitAndTheTimerTurnsIt)
{
    Start(true);
    ASSERT_TRUE(manager->IsAvailable());
    const Statistics* stand = Stand();
    ASSERT_NE(stand, nullptr);
    kit->RenderKit(Block("user\\kits\\00000005_h.tga"), 5, true);
    EXPECT_TRUE(manager->IsAttached());
    EXPECT_EQ(stand->renderKits, 1);
    EXPECT_EQ(std::tuple(stand->lastArea.left, stand->lastArea.right, stand->lastArea.bottom), std::tuple(237, 550, 768));
    EXPECT_EQ(stand->background, 0xFFC8C8D0u);
    EXPECT_EQ(stand->kit[3], GetKitPaletteColourArgb(2));
    kit->SetKit(Block("user\\kits\\00000005_h.tga"), 5, true);
    EXPECT_EQ(stand->setKits, 1);
    EXPECT_EQ(stand->options[8], 1u);

    PumpFor(200);
    EXPECT_GT(stand->frames, 3);

    // While another thread holds the mutex, ticks skip their frames but
    // the window keeps answering.
    HANDLE held = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HANDLE mutex = ::CreateMutexW(nullptr, FALSE, L"RendererMutex");
        ::WaitForSingleObject(mutex, INFINITE);
        ::SetEvent(held);
        ::WaitForSingleObject(release, INFINITE);
        ::ReleaseMutex(mutex);
        ::CloseHandle(mutex);
    });
    ::WaitForSingleObject(held, INFINITE);
    PumpFor(30);
    const LONG before = stand->frames;
    const DWORD start = ::GetTickCount();
    PumpFor(200);
    EXPECT_EQ(stand->frames, before);
    EXPECT_LT(::GetTickCount() - start, 1000u);
    ::SetEvent(release);
    holder.join();
    PumpFor(100);
    EXPECT_GT(stand->frames, before);
    ::CloseHandle(held);
    ::CloseHandle(release);

    ::RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(50);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\ui\\kit-preview.bmp"),
                                gui_test::CaptureWindow(host.Handle()));
}

TEST_F(KitPreview, PortraitControlDrawsTheHeadThroughTheStandIn)
{
    Start(true);
    HWND placeholder = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 220, 10, 194, 176, host.Handle(),
                                         nullptr, nullptr, nullptr);
    CPlayerImageCtrl image(manager.get());
    ASSERT_TRUE(image.Subclass(placeholder));
    const TPortraitPerson person{u"", u"Varn", u"Edo", TDate(1974, 7, 6), 0};
    TPortraitHead head{0, 3, 4, 5, 6};
    image.SetPlayer(&person, &head, nullptr);
    const Statistics* stand = Stand();
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(stand->renderHeads, 0);

    image.SetMode(CPlayerImageCtrl::Head);
    EXPECT_EQ(stand->renderHeads, 1);
    EXPECT_EQ(std::pair(stand->lastArea.left, stand->lastArea.right), std::pair(128, 768));
    EXPECT_EQ(stand->background, 0xFFC8C8D0u);
    const std::uint32_t bare[9] = {0, 3, 4, 5, 6, 0, 0, 0, 0};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(stand->options[i], bare[i]) << i;
    head.faceId = 77;
    image.Refresh();
    EXPECT_EQ(std::pair(stand->options[0], stand->options[1]), std::pair(77u, 0u));
    PumpFor(50);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\ui\\portrait-preview.bmp"),
                                gui_test::CaptureWindow(host.Handle()));

    // A user picture, 8 x 8, opaque red corners around a transparent middle,
    // drawn over the picture square; a damaged file shows nothing.
    ASSERT_TRUE(platform::CreateFolders(base.File(u"user\\picture")));
    const std::u16string picture = base.File(u"user\\picture\\VarnEd06071974.tga");
    testing_support::WriteBytes(picture, CornerPicture(8, 8));
    EXPECT_EQ(image.GetPortraitPath(true), u"user/picture/VarnEd06071974.tga");
    image.SetMode(CPlayerImageCtrl::Portrait);
    EXPECT_EQ(image.GetMode(), CPlayerImageCtrl::Portrait);
    EXPECT_TRUE(image.HasBitmapOfSize(8, 8));
    const RECT square = CPlayerImageCtrl::PictureSquare;
    const int block = (square.right - square.left) / 8;
    for (auto [x, y] : {std::pair(square.left, square.top), std::pair(square.right - block, square.top),
                        std::pair(square.left, square.bottom - block), std::pair(square.right - block, square.bottom - block)})
        EXPECT_EQ(PortraitPixel(placeholder, x + block / 2, y + block / 2), RGB(255, 0, 0)) << x << "," << y;
    EXPECT_NE(PortraitPixel(placeholder, (square.left + square.right) / 2, (square.top + square.bottom) / 2), RGB(255, 0, 0));
    testing_support::WriteBytes(picture, std::string("tga"));
    image.Refresh();
    EXPECT_FALSE(image.HasBitmap());
    EXPECT_FALSE(manager->IsAttached());
}

// Wider than the portraits allow: read by the renderer, refused by the
// control, which shows nothing.
TEST_F(KitPreview, PortraitControlRefusesAPictureWiderThanItsBound)
{
    Start(true);
    HWND placeholder = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 220, 10, 194, 176, host.Handle(),
                                         nullptr, nullptr, nullptr);
    CPlayerImageCtrl image(manager.get());
    ASSERT_TRUE(image.Subclass(placeholder));
    ASSERT_TRUE(platform::CreateFolders(base.File(u"user\\picture")));
    const std::u16string picture = base.File(u"user\\picture\\VarnEd06071974.tga");
    testing_support::WriteBytes(picture, CornerPicture(MaxPortraitSide, 1));
    const TPortraitPerson person{u"", u"Varn", u"Edo", TDate(1974, 7, 6), 0};
    image.SetPlayer(&person, nullptr, nullptr);
    image.SetMode(CPlayerImageCtrl::Portrait);
    EXPECT_EQ(image.GetMode(), CPlayerImageCtrl::Portrait);
    EXPECT_TRUE(image.HasBitmapOfSize(MaxPortraitSide, 1));
    testing_support::WriteBytes(picture, CornerPicture(MaxPortraitSide + 1, 1));
    image.Refresh();
    EXPECT_FALSE(image.HasBitmap());
}

TEST_F(KitPreview, PortraitControlWithoutRendererStaysEmpty)
{
    Start(false);
    HWND placeholder = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 220, 10, 194, 176, host.Handle(),
                                         nullptr, nullptr, nullptr);
    CPlayerImageCtrl image(manager.get());
    ASSERT_TRUE(image.Subclass(placeholder));
    image.SetMode(CPlayerImageCtrl::Head);
    EXPECT_EQ(image.GetMode(), CPlayerImageCtrl::None);
    EXPECT_FALSE(manager->IsAttached());
}

namespace {

struct ArchivePicture {
    std::uint32_t pictureId;
    const char16_t* entry;
    bool packed;
    const char16_t* expectedPath;
    bool tpi;
};

const ArchivePicture ArchivePictures[] = {
    {0, u"art\\picture\\VarnEd06071974.tga", false, u"art\\picture\\VarnEd06071974.tga", false},
    {0, u"art\\picture\\VarnEd06071974.tpi", true, u"art\\picture\\VarnEd06071974.tpi", true},
    {12, u"ART\\Picture\\EMP-12.TPI", false, u"art\\picture\\emp-12.tpi", true},
};

void WriteArchive(const std::u16string& path, std::u16string_view entry, std::string_view data, bool packed)
{
    CMireloBig archive;
    archive.silent = true;
    ASSERT_TRUE(archive.Create(path));
    ASSERT_TRUE(archive.ImportData(entry, {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()}, packed));
    ASSERT_TRUE(archive.Close());
}

}  // namespace

// Pictures only inside "art_02.big": the control finds them by name and
// birth date (or picture id), the stand-in reads them from the archive, and
// a "TPI" picture arrives through the plug-in's pixel buffer, which the
// control frees whether it takes it or not.
TEST_F(KitPreview, PortraitControlDrawsPicturesFromThePictureArchive)
{
    Start(true);
    for (const ArchivePicture& row : ArchivePictures) {
        SCOPED_TRACE(&row - ArchivePictures);
        HWND placeholder = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 220, 10, 194, 176,
                                             host.Handle(), nullptr, nullptr, nullptr);
        WriteArchive(base.File(u"art_02.big"), row.entry, CornerPicture(8, 8), row.packed);
        CPortraitArchiveIndex pictures;
        ASSERT_TRUE(pictures.Build(base.File(u"art_02.big")));
        CPlayerImageCtrl image(manager.get(), &pictures);
        ASSERT_TRUE(image.Subclass(placeholder));
        const TPortraitPerson person{u"", u"Varn", u"Edo", TDate(1974, 7, 6), row.pictureId};
        image.SetPlayer(&person, nullptr, nullptr);
        EXPECT_EQ(image.GetPortraitPath(true), row.expectedPath);
        const Statistics* stand = Stand();
        ASSERT_NE(stand, nullptr);
        const Statistics before = *stand;

        image.SetMode(CPlayerImageCtrl::Portrait);
        ASSERT_TRUE(image.HasBitmapOfSize(8, 8));
        EXPECT_EQ(stand->buffersHandedOut - before.buffersHandedOut, row.tpi ? 1 : 0);
        EXPECT_EQ(stand->pixelReads - before.pixelReads, row.tpi ? 0 : 1);
        EXPECT_EQ(stand->buffersHeld, 0);
        EXPECT_EQ(stand->readersAlive, 0);
        const RECT square = CPlayerImageCtrl::PictureSquare;
        const int block = (square.right - square.left) / 8;
        EXPECT_EQ(PortraitPixel(placeholder, square.left + block / 2, square.top + block / 2), RGB(255, 0, 0));
        EXPECT_EQ(PortraitPixel(placeholder, square.right - block / 2, square.bottom - block / 2), RGB(255, 0, 0));
        EXPECT_NE(PortraitPixel(placeholder, (square.left + square.right) / 2, (square.top + square.bottom) / 2),
                  RGB(255, 0, 0));
        PumpFor(50);
        testing_support::WriteBytes(testing_support::PicturePath(u"tests\\ui\\portrait-picture.bmp"),
                                    gui_test::CaptureWindow(host.Handle()));

        // A buffer that does not hold the whole picture is refused.
        ShortenPixelBuffers(1);
        image.Refresh();
        EXPECT_EQ(image.HasBitmap(), !row.tpi);
        EXPECT_EQ(stand->buffersHeld, 0);
        ShortenPixelBuffers(0);
        image.Refresh();
        EXPECT_TRUE(image.HasBitmap());
        ::DestroyWindow(placeholder);
        EXPECT_FALSE(image.HasBitmap());
    }
}

// An archive entry that is no picture, or an archive cut short so that the
// picture its directory names is gone, shows nothing.
TEST_F(KitPreview, PortraitControlShowsNothingForADamagedArchivePicture)
{
    Start(true);
    HWND placeholder = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 220, 10, 194, 176, host.Handle(),
                                         nullptr, nullptr, nullptr);
    const std::u16string path = base.File(u"art_02.big");
    const std::u16string entry = u"art\\picture\\VarnEd06071974.tpi";
    const std::string tga = CornerPicture(8, 8);
    const TPortraitPerson person{u"", u"Varn", u"Edo", TDate(1974, 7, 6), 0};
    const Statistics* stand = Stand();
    ASSERT_NE(stand, nullptr);

    WriteArchive(path, entry, tga.substr(0, 10), false);
    CPortraitArchiveIndex pictures;
    ASSERT_TRUE(pictures.Build(path));
    CPlayerImageCtrl image(manager.get(), &pictures);
    ASSERT_TRUE(image.Subclass(placeholder));
    image.SetPlayer(&person, nullptr, nullptr);
    image.SetMode(CPlayerImageCtrl::Portrait);
    EXPECT_EQ(image.GetPortraitPath(true), entry);
    EXPECT_FALSE(image.HasBitmap());

    WriteArchive(path, entry, tga, false);
    image.Refresh();
    ASSERT_TRUE(image.HasBitmapOfSize(8, 8));
    const auto bytes = testing_support::ReadBytes(path);
    testing_support::WriteBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 40));
    image.Refresh();
    EXPECT_FALSE(image.HasBitmap());
    EXPECT_EQ(stand->buffersHeld, 0);
    EXPECT_EQ(stand->readersAlive, 0);
}
