#pragma once
// Hosts the external 3D renderer: decides whether it can be used, loads
// "Renderer.dll" from the base folder once, owns the plug-in and the one
// child window it draws into, and moves that window over whichever control
// shows 3D output at the moment. Without the renderer (game files or library
// missing, a library that does not load into this program, external mode)
// the editor works without 3D previews.

#include <windows.h>

#include <functional>

#include "ui/render/RendererPlugin.h"

class CRenderManager {
public:
    static constexpr int RenderWindowId = 63600;

    // What the host needs of the program around it.
    struct Environment {
        std::function<HWND()> mainWindow;
        std::function<bool()> isExternalMode;
        std::function<void()> setExternalMode;
    };
    // Installed once at start, before the first GetInstance.
    static void SetEnvironment(Environment environment);
    // The one instance; the first call loads the renderer.
    static CRenderManager* GetInstance();
    // The instance when some caller started it, else null; loads nothing.
    static CRenderManager* GetStartedInstance();

    explicit CRenderManager(Environment environment);
    virtual ~CRenderManager();
    CRenderManager(const CRenderManager&) = delete;
    CRenderManager& operator=(const CRenderManager&) = delete;

    // Every user tests it before any plug-in call.
    bool IsAvailable() const { return available_ && renderWindow_ != nullptr; }
    IRendererPlugin* GetPlugin() const { return IsAvailable() ? plugin_ : nullptr; }
    HWND GetRenderWindow() const { return renderWindow_; }
    bool IsAttached() const { return attached_; }

    // Covers the control with the render window (hiding the control); null
    // hides the render window and gives it back to the main window.
    void AttachTo(HWND control);
    // When the main window closes: releases the plug-in for good.
    void Shutdown();
    // Unless the program runs in external mode: when the renderer did not
    // load, shows the message and switches external mode on, so that the
    // message comes once.
    void WarnIfUnavailable(const char16_t* message);

private:
    bool Load();
    bool LoadLibraryFromBaseFolder();
    void ReleasePlugin();
    static LRESULT CALLBACK RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Environment environment_;
    HWND renderWindow_ = nullptr;
    WNDPROC staticProc_ = nullptr;
    IRendererPlugin* plugin_ = nullptr;
    HMODULE library_ = nullptr;
    bool attached_ = false;
    bool available_ = false;
};
