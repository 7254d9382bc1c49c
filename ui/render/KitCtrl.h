#pragma once
// A turning 3D preview of a club kit, drawn by the renderer plug-in into
// the render window laid over this control. Every plug-in call is made
// under the machine-wide "RendererMutex" shared with the other renderer
// users; timer ticks and paints wait at most 2 ms for it and skip the frame
// when it is busy.

#include <windows.h>

#include <array>
#include <cstdint>

#include "database/club/KitPalette.h"
#include "ui/skin/PaintedStatic.h"
#include "ui/render/RendererPlugin.h"

class CRenderManager;

class CKitCtrl : public CPaintedStatic {
public:
    static constexpr UINT_PTR FrameTimer = 1;
    static constexpr UINT FramePeriodMs = 15;
    static constexpr DWORD FrameWaitMs = 2;
    static constexpr std::uint32_t Background = 0xFFC8C8D0u;
    static constexpr TRendererRect KitArea = {237, 0, 550, 768};
    using TOptionBlock = std::array<std::uint32_t, RendererOptionBlockWords>;

    // Without a manager the process-wide one is used.
    explicit CKitCtrl(CRenderManager* renderer = nullptr);
    ~CKitCtrl() override;

    const TOptionBlock& GetRenderOptions() const { return options_; }
    const TKitBlock& GetKitData() const { return kit_; }
    // A new kit for the running preview: the language bits and the texture
    // test go into the options.
    void SetKit(const TKitBlock& kit, std::uint32_t kitId, bool firstVariant);
    // Covers the control with the render window and draws the kit.
    void RenderKit(const TKitBlock& kit, std::uint32_t kitId, bool firstVariant);

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint() override;

private:
    void Store(const TKitBlock& kit, std::uint32_t kitId, bool firstVariant);
    IRendererPlugin* Plugin() const;
    void DrawFrame();

    TOptionBlock options_{};
    TKitBlock kit_{};
    CRenderManager* renderer_;
    HANDLE mutex_;
    bool busy_ = false;
};
