// A renderer plug-in of our own for the tests: it draws a simple picture (a
// shirt in the kit's colours over the background, a ball that moves with
// every frame) and counts what the host does with it. Built three ways: as
// is, without its entry (NO_ENTRY), and with a library start that fails
// (FAIL_LOAD).

#include <windows.h>

#include "ui/RendererPlugin.h"

namespace {

// The first three fields are what the host's tests read; the rest reports
// the calls of the kit and portrait controls.
struct Statistics {
    LONG created, alive;
    HWND window;
    LONG renderKits, setKits, renderHeads, frames;
    TRendererRect lastArea;
    std::uint32_t background;
    std::uint32_t kit[13];
    std::uint32_t options[RendererOptionBlockWords];
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
        *reader = nullptr;
        return false;
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

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
#ifdef FAIL_LOAD
    if (reason == DLL_PROCESS_ATTACH) return FALSE;
#endif
    return TRUE;
}

}  // extern "C"
