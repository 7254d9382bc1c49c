#include "ui/render/PlayerImageCtrl.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "ui/render/RenderManager.h"
#include "win/Window.h"

namespace {

// Frees the plug-in's image reader however the load ends.
class ReaderScope {
public:
    explicit ReaderScope(IRendererPlugin& plugin) : plugin_(plugin) { plugin_.CreateImageReader(&reader_); }
    ~ReaderScope()
    {
        if (reader_ != nullptr) plugin_.ReleaseImageReader(&reader_);
    }
    ReaderScope(const ReaderScope&) = delete;
    ReaderScope& operator=(const ReaderScope&) = delete;
    IRendererImageReader* Get() const { return reader_; }

private:
    IRendererPlugin& plugin_;
    IRendererImageReader* reader_ = nullptr;
};

constexpr std::size_t AnsiPathMax = 2047;

}  // namespace

CPlayerImageCtrl::~CPlayerImageCtrl()
{
    DeleteBitmap();
}

void CPlayerImageCtrl::PreSubclassWindow()
{
    if (renderer_ == nullptr) renderer_ = CRenderManager::GetInstance();
}

IRendererPlugin* CPlayerImageCtrl::Plugin() const
{
    return renderer_ != nullptr ? renderer_->GetPlugin() : nullptr;
}

void CPlayerImageCtrl::SetPlayer(const TPortraitPerson* person, const TPortraitHead* head, const TClub* club)
{
    person_ = person;
    head_ = head;
    club_ = club;
    Refresh();
}

void CPlayerImageCtrl::SetMode(Mode mode)
{
    if (mode == mode_ || Plugin() == nullptr) return;
    if (mode_ == Portrait) DeleteBitmap();
    if (mode_ == Head) renderer_->AttachTo(nullptr);
    if (mode == Head) {
        renderer_->AttachTo(Handle());
        Plugin()->SetBackground(Background);
        Show(true);
    }
    mode_ = mode;
    Refresh();
}

void CPlayerImageCtrl::Refresh()
{
    if (mode_ == Portrait) LoadPortrait();
    if (mode_ == Head) RenderHead();
    Invalidate(false);
}

bool CPlayerImageCtrl::HasBitmapOfSize(int width, int height) const
{
    BITMAP info{};
    return bitmap_ != nullptr && ::GetObjectW(bitmap_, sizeof info, &info) != 0 && info.bmWidth == width &&
           info.bmHeight == height;
}

std::u16string CPlayerImageCtrl::GetPortraitPath(bool check) const
{
    if (person_ == nullptr) return {};
    return GetPlayerPortraitPath(*person_, check, pictures_ != nullptr ? *pictures_ : CPortraitArchiveIndex::Shared());
}

void CPlayerImageCtrl::DeleteBitmap()
{
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
    bitmap_ = nullptr;
}

void CPlayerImageCtrl::LoadPortrait()
{
    IRendererPlugin* plugin = Plugin();
    if (plugin == nullptr) return;
    DeleteBitmap();
    const std::u16string path = GetPortraitPath(true);
    if (!path.empty()) bitmap_ = ReadPicture(*plugin, path);
    if (HWND parent = GetParent()) {
        const RECT area = win::RectIn(Handle(), parent);
        ::InvalidateRect(parent, &area, TRUE);
    }
}

HBITMAP CPlayerImageCtrl::ReadPicture(IRendererPlugin& plugin, const std::u16string& path) const
{
    ReaderScope reader(plugin);
    auto ansi = platform::Utf16ToSystemCodePage(path);
    if (reader.Get() == nullptr || !ansi || ansi->size() > AnsiPathMax || !reader.Get()->Open(ansi->c_str())) return nullptr;
    const std::int32_t width = reader.Get()->GetWidth();
    const std::int32_t height = reader.Get()->GetHeight();
    const std::size_t bytes = PortraitBufferBytes(width, height);
    if (bytes == 0) return nullptr;
    std::vector<std::uint32_t> pixels(bytes / 4);
    if (!ReadPixels(plugin, *reader.Get(), pixels)) return nullptr;
    PremultiplyAlpha(reinterpret_cast<std::uint8_t*>(pixels.data()), pixels.size());
    return CreatePortraitBitmap(pixels, width, height);
}

bool CPlayerImageCtrl::ReadPixels(IRendererPlugin& plugin, IRendererImageReader& reader, std::vector<std::uint32_t>& pixels)
{
    const char* format = reader.GetFormat();
    if (format == nullptr || std::string_view(format) != "TPI") return reader.ReadPixels(pixels.data());
    // The plug-in's own buffer: taken only when it holds exactly the picture.
    const std::uint32_t* buffer = plugin.GetPixelBuffer(&reader);
    if (buffer == nullptr) return false;
    const bool whole = plugin.GetPixelBufferSize(&reader) == pixels.size();
    if (whole) std::copy(buffer, buffer + pixels.size(), pixels.begin());
    plugin.FreePixelBuffer(&reader, &buffer);
    return whole;
}

HBITMAP CPlayerImageCtrl::CreatePortraitBitmap(const std::vector<std::uint32_t>& pixels, std::int32_t width, std::int32_t height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up: rows in reverse order
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    auto* rows = static_cast<std::uint32_t*>(bits);
    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint32_t* source = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        std::copy(source, source + width, rows + static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(width));
    }
    return bitmap;
}

void CPlayerImageCtrl::RenderHead()
{
    IRendererPlugin* plugin = Plugin();
    if (plugin == nullptr || person_ == nullptr) return;
    const TPortraitHead none;
    options_ = BuildHeadOptions(head_ != nullptr ? *head_ : none, club_);
    kit_ = BuildHeadKitBlock(club_);
    plugin->RenderHead(HeadArea, kit_.data(), options_.data());
}

void CPlayerImageCtrl::Paint()
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(Handle(), &paint);
    IRendererPlugin* plugin = Plugin();
    if (plugin != nullptr && person_ != nullptr) {
        if (mode_ == Portrait && bitmap_ != nullptr) {
            BITMAP info{};
            ::GetObjectW(bitmap_, sizeof info, &info);
            HDC memory = ::CreateCompatibleDC(dc);
            HGDIOBJ old = ::SelectObject(memory, bitmap_);
            const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            ::GdiAlphaBlend(dc, PictureSquare.left, PictureSquare.top, PictureSquare.right - PictureSquare.left,
                            PictureSquare.bottom - PictureSquare.top, memory, 0, 0, info.bmWidth, info.bmHeight, blend);
            ::SelectObject(memory, old);
            ::DeleteDC(memory);
        }
        if (mode_ == Head) plugin->RenderFrame();
    }
    ::EndPaint(Handle(), &paint);
}

bool CPlayerImageCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DESTROY) {
        DeleteBitmap();
        mode_ = None;
        if (Plugin() != nullptr) renderer_->AttachTo(nullptr);
    }
    return CPaintedStatic::OnMessage(message, wParam, lParam, result);
}
