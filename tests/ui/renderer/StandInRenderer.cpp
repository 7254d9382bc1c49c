// A renderer plug-in of our own for the tests: it draws a simple picture (a
// shirt in the kit's colours over the background, a ball that moves with
// every frame), reads TGA pictures with the program's own decoder, from
// disk or else from the picture archive "art_02.big", and counts what the
// host does with it. A ".tpi" picture is a TGA of ours that the reader
// reports as "TPI" and hands out through the pixel buffer operations. Built three ways: as
// is, without its entry (NO_ENTRY), and with a library start that fails
// (FAIL_LOAD).

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "archive/MireloBig.h"
#include "archive/TgaDib.h"
#include "tests/ui/renderer/StandInStatistics.h"
#include "ui/render/RendererPlugin.h"

namespace {

using stand_in::FromArgb;
using stand_in::Statistics;

Statistics statistics{};

// A relative path is taken from the plug-in's own folder, the game's folder.
std::string FullPath(const char* path)
{
    if (path[0] == '\\' || path[0] == '/' || (path[0] != 0 && path[1] == ':')) return path;
    HMODULE self = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&FullPath), &self);
    char module[MAX_PATH] = {};
    std::string folder(module, ::GetModuleFileNameA(self, module, MAX_PATH));
    return folder.substr(0, folder.find_last_of("\\/") + 1) + path;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size{};
    DWORD read = 0;
    if (::GetFileSizeEx(file, &size) && size.QuadPart < (64 << 20)) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
            bytes.clear();
    }
    ::CloseHandle(file);
    return bytes;
}

bool EndsWithNoCase(std::string_view text, std::string_view end)
{
    if (text.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i]) return false;
    return true;
}

// The picture from disk, else the archive's entry of that name.
std::vector<std::uint8_t> ReadPicture(const char* path)
{
    std::vector<std::uint8_t> bytes = ReadWholeFile(FullPath(path));
    if (!bytes.empty()) return bytes;
    CMireloBig archive;
    archive.silent = true;
    if (archive.Open(platform::SystemCodePageToUtf16(FullPath("art_02.big")), true))
        archive.Read(platform::SystemCodePageToUtf16(path), bytes, true);
    return bytes;
}

// Colour and, for 32-bit pictures, alpha.
class StandInReader final : public IRendererImageReader {
public:
    StandInReader() { ::InterlockedIncrement(&statistics.readersAlive); }
    ~StandInReader() { ::InterlockedDecrement(&statistics.readersAlive); }
    StandInReader(const StandInReader&) = delete;
    StandInReader& operator=(const StandInReader&) = delete;

    bool Open(const char* ansiPath) override
    {
        const std::vector<std::uint8_t> tga = ReadPicture(ansiPath);
        colour_ = tga.empty() ? nullptr : LoadTgaDibFromMemory(tga);
        alpha_ = colour_ ? ConvertTgaAlphaToBmp8(tga.data(), tga.size()) : nullptr;
        tpi_ = EndsWithNoCase(ansiPath, ".tpi");
        return colour_ != nullptr;
    }
    std::int32_t GetWidth() override { return colour_ ? colour_->Width() : 0; }
    std::int32_t GetHeight() override { return colour_ ? colour_->Height() : 0; }
    // A "TPI" reader has no pixels to read, only its buffer to hand out.
    bool ReadPixels(std::uint32_t* pixels) override
    {
        ++statistics.pixelReads;
        if (!colour_ || tpi_) return false;
        Decode(pixels);
        return true;
    }
    const char* GetFormat() override { return tpi_ ? "TPI" : "TGA"; }

    const std::uint32_t* TakeBuffer()
    {
        if (!colour_ || !tpi_) return nullptr;
        buffer_.resize(static_cast<std::size_t>(GetWidth()) * static_cast<std::size_t>(GetHeight()));
        Decode(buffer_.data());
        buffer_.resize(buffer_.size() - std::min<std::size_t>(buffer_.size(), statistics.bufferShortfall));
        return buffer_.data();
    }
    std::size_t BufferSize() const { return buffer_.size(); }
    void FreeBuffer() { std::vector<std::uint32_t>().swap(buffer_); }

private:
    void Decode(std::uint32_t* pixels) const
    {
        const std::uint32_t width = static_cast<std::uint32_t>(colour_->Width());
        const std::uint32_t height = static_cast<std::uint32_t>(colour_->Height());
        for (std::uint32_t y = 0; y < height; ++y) {
            const std::uint8_t* bgr = colour_->Row(height - 1 - y);
            const std::uint8_t* alpha = alpha_ ? alpha_->Row(height - 1 - y) : nullptr;
            for (std::uint32_t x = 0; x < width; ++x) {
                const std::uint32_t a = alpha ? alpha[x] : 0xFFu;
                *pixels++ = a << 24 | std::uint32_t{bgr[3 * x + 2]} << 16 | std::uint32_t{bgr[3 * x + 1]} << 8 | bgr[3 * x];
            }
        }
    }

    std::unique_ptr<TDibImage> colour_;
    std::unique_ptr<TDibImage> alpha_;
    std::vector<std::uint32_t> buffer_;
    bool tpi_ = false;
};

class StandInPlugin final : public IRendererPlugin {
public:
    std::uint32_t GetInterfaceVersion() override { return RendererInterfaceVersion; }
    void ReleaseImageReader(IRendererImageReader** reader) override
    {
        delete static_cast<StandInReader*>(*reader);
        *reader = nullptr;
    }
    void Release() override
    {
        ::InterlockedDecrement(&statistics.alive);
        delete this;
    }
    void Init(HWND window) override { window_ = statistics.window = window; }
    void RenderKit(const TRendererRect& area, const std::uint32_t* kit, const std::uint32_t* options) override
    {
        ++statistics.renderKits;
        statistics.lastArea = area;
        TakeBlocks(kit, options);
        Draw(false);
    }
    void SetKit(const std::uint32_t* kit, const std::uint32_t* options) override
    {
        ++statistics.setKits;
        TakeBlocks(kit, options);
    }
    void RenderHead(const TRendererRect& area, const std::uint32_t* kit, const std::uint32_t* options) override
    {
        ++statistics.renderHeads;
        statistics.lastArea = area;
        TakeBlocks(kit, options);
        Draw(true);
    }
    void RenderFrame() override
    {
        ++statistics.frames;
        ++frame_;
        Draw(head_);
    }
    void SetBackground(std::uint32_t argb) override
    {
        statistics.background = argb;
        background_ = FromArgb(argb);
    }
    bool CreateImageReader(IRendererImageReader** reader) override
    {
        *reader = new StandInReader;
        return true;
    }
    const std::uint32_t* GetPixelBuffer(IRendererImageReader* reader) override
    {
        const std::uint32_t* buffer = static_cast<StandInReader*>(reader)->TakeBuffer();
        if (buffer != nullptr) {
            ++statistics.buffersHandedOut;
            ++statistics.buffersHeld;
        }
        return buffer;
    }
    std::size_t GetPixelBufferSize(IRendererImageReader* reader) override
    {
        return static_cast<StandInReader*>(reader)->BufferSize();
    }
    void FreePixelBuffer(IRendererImageReader* reader, const std::uint32_t** pixels) override
    {
        if (*pixels != nullptr) --statistics.buffersHeld;
        static_cast<StandInReader*>(reader)->FreeBuffer();
        *pixels = nullptr;
    }

private:
    // Styles in words 0..2, the first colour of slots 0, 2 and 3 in words 3, 6 and 9.
    void TakeBlocks(const std::uint32_t* kit, const std::uint32_t* options)
    {
        for (int k = 0; k < 3; ++k) colours_[k] = FromArgb(kit[3 + 3 * k]);
        for (int i = 0; i < 13; ++i) statistics.kit[i] = kit[i];
        for (std::size_t i = 0; i < RendererOptionBlockWords; ++i) statistics.options[i] = options[i];
    }

    void Draw(bool head)
    {
        head_ = head;
        RECT area{};
        if (window_ == nullptr || !::GetClientRect(window_, &area)) return;
        HDC dc = ::GetDC(window_);
        HBRUSH background = ::CreateSolidBrush(background_);
        ::FillRect(dc, &area, background);
        ::DeleteObject(background);
        const int w = area.right, h = area.bottom;
        HBRUSH body = ::CreateSolidBrush(colours_[0]);
        HGDIOBJ old = ::SelectObject(dc, body);
        if (head) {
            ::Ellipse(dc, w / 4, h / 8, w * 3 / 4, h * 7 / 8);
        } else {
            const POINT shirt[] = {{w / 3, h / 8},     {w * 2 / 3, h / 8},     {w * 9 / 10, h / 3},
                                   {w * 3 / 4, h / 2}, {w * 3 / 4, h * 7 / 8}, {w / 4, h * 7 / 8},
                                   {w / 4, h / 2},     {w / 10, h / 3}};
            ::Polygon(dc, shirt, 8);
        }
        HBRUSH ball = ::CreateSolidBrush(colours_[1]);
        ::SelectObject(dc, ball);
        const int x = (frame_ * 4) % (w > 12 ? w - 12 : 1);
        ::Ellipse(dc, x, h - 14, x + 12, h - 2);
        ::SelectObject(dc, old);
        ::DeleteObject(body);
        ::DeleteObject(ball);
        ::ReleaseDC(window_, dc);
    }

    HWND window_ = nullptr;
    COLORREF background_ = RGB(200, 200, 208);
    COLORREF colours_[3] = {RGB(200, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)};
    int frame_ = 0;
    bool head_ = false;
};

}  // namespace

extern "C" {

#ifndef NO_ENTRY
__declspec(dllexport) void GetPlugin(IRendererPlugin** plugin)
{
    ::InterlockedIncrement(&statistics.created);
    ::InterlockedIncrement(&statistics.alive);
    *plugin = new StandInPlugin;
}
#endif

__declspec(dllexport) const Statistics* StandInStatistics() { return &statistics; }

__declspec(dllexport) void StandInShortenPixelBuffers(LONG pixels) { statistics.bufferShortfall = pixels; }

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
#ifdef FAIL_LOAD
    if (reason == DLL_PROCESS_ATTACH) return FALSE;
#endif
    return TRUE;
}

}  // extern "C"
