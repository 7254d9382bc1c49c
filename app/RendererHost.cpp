#include "app/RendererHost.h"

#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "ui/render/RenderManager.h"

void RegisterRendererHost(TMainWindowLaunchers& launchers)
{
    CRenderManager::SetEnvironment({
        [] { return HasEditorApp() ? GetEditorApp().GetMainWindow() : nullptr; },
        [] { return HasEditorApp() && GetEditorApp().IsExternalMode(); },
        [] {
            if (HasEditorApp()) GetEditorApp().SetExternalMode(true);
        },
    });
    launchers.renderer = [] { return CRenderManager::GetInstance(); };
}
