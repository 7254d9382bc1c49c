// A renderer plug-in of our own for the tests: it draws a simple picture (a
// shirt in the kit's colours over the background, a ball that moves with
// every frame) and counts what the host does with it. Built three ways: as
// is, without its entry (NO_ENTRY), and with a library start that fails
// (FAIL_LOAD).

#include <windows.h>

#include "ui/RendererPlugin.h"

namespace {

struct Statistics {
    LONG created, alive;
    HWND window;
};
Statistics statistics{};

COLORREF FromArgb(std::uint32_t argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

class StandInPlugin final : public IRendererPlugin {
public:
    std::uint32_t GetInterfaceVersion() override { return RendererInterfaceVersion; }
    void ReleaseImageReader(IRendererImageReader** reader) override { *reader = nullptr; }
    void Release() override
    {
        ::InterlockedDecrement(&statistics.alive);
        delete this;
    }
    void Init(HWND window) override { window_ = statistics.window = window; }
    void RenderKit(const TRendererRect&, const std::uint32_t* kit, const std::uint32_t*) override
    {
        TakeColours(kit);
        Draw(false);
    }
    void SetKit(const std::uint32_t* kit, const std::uint32_t*) override { TakeColours(kit); }
    void RenderHead(const TRendererRect&, const std::uint32_t* kit, const std::uint32_t*) override
    {
        TakeColours(kit);
        Draw(true);
    }
    void RenderFrame() override
    {
        ++frame_;
        Draw(head_);
    }
    void SetBackground(std::uint32_t argb) override { background_ = FromArgb(argb); }
    bool CreateImageReader(IRendererImageReader** reader) override
    {
        *reader = nullptr;
        return false;
    }

private:
    void TakeColours(const std::uint32_t* kit)
    {
        for (int k = 0; k < 3; ++k) colours_[k] = FromArgb(kit[k]);
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

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
#ifdef FAIL_LOAD
    if (reason == DLL_PROCESS_ATTACH) return FALSE;
#endif
    return TRUE;
}

}  // extern "C"
