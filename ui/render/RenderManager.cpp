#include "ui/render/RenderManager.h"

#include <atomic>

#include <string>

#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "platform/Platform.h"
#include "win/MessageBox.h"
#include "win/WideText.h"

namespace {

constexpr const char16_t* GameFiles[] = {u"Data\\mireloglrm.big", u"Data\\GenKits.big", u"Data\\qaro.fat",
                                         u"Data\\zdata_01.big"};
constexpr const char16_t* LibraryName = u"Renderer.dll";

CRenderManager::Environment& InstalledEnvironment()
{
    static CRenderManager::Environment environment;
    return environment;
}

std::u16string InBaseFolder(const char16_t* name)
{
    return platform::MakeAbsolute(platform::JoinPath(platform::GetBaseFolder(), name));
}

bool IsReadable(const std::u16string& path)
{
    platform::File file;
    return file.Open(path, platform::File::Mode::Read);
}

std::u16string SystemErrorText(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::u16string result = length != 0 ? win::U(text) : u"";
    ::LocalFree(text);
    while (!result.empty() && (result.back() == u'\n' || result.back() == u'\r')) result.pop_back();
    return result;
}

HWND MainWindow(const CRenderManager::Environment& environment)
{
    return environment.mainWindow ? environment.mainWindow() : nullptr;
}

}  // namespace

void CRenderManager::SetEnvironment(Environment environment) { InstalledEnvironment() = std::move(environment); }

namespace {

std::atomic<CRenderManager*> startedInstance{nullptr};

}  // namespace

CRenderManager* CRenderManager::GetInstance()
{
    static CRenderManager instance(InstalledEnvironment());
    startedInstance = &instance;
    return &instance;
}

CRenderManager* CRenderManager::GetStartedInstance() { return startedInstance; }

CRenderManager::CRenderManager(Environment environment) : environment_(std::move(environment))
{
    renderWindow_ = ::CreateWindowExW(WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE, L"Static", L"", WS_CHILD, 0, 0, 10,
                                      10, MainWindow(environment_), reinterpret_cast<HMENU>(RenderWindowId),
                                      ::GetModuleHandleW(nullptr), nullptr);
    if (renderWindow_ != nullptr) {
        ::SetWindowLongPtrW(renderWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        staticProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            renderWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CRenderManager::RenderWindowProc)));
    }
    available_ = renderWindow_ != nullptr && Load();
}

CRenderManager::~CRenderManager()
{
    ReleasePlugin();
    if (library_ != nullptr) ::FreeLibrary(library_);
    if (renderWindow_ != nullptr) ::DestroyWindow(renderWindow_);
}

// The window is forgotten only when it is really gone, so that the object
// notices when it goes with a parent it was attached to. A parent being
// destroyed sends WM_DESTROY to every child it holds before any of them
// goes, and the control under the render window takes it back to the main
// window on its own WM_DESTROY: then the render window lives on.
LRESULT CALLBACK CRenderManager::RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CRenderManager*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    const WNDPROC original = self->staticProc_;
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        self->renderWindow_ = nullptr;
    }
    return ::CallWindowProcW(original, window, message, wParam, lParam);
}

bool CRenderManager::Load()
{
    if (environment_.isExternalMode && environment_.isExternalMode()) return false;
    for (const char16_t* name : GameFiles) {
        if (!IsReadable(InBaseFolder(name))) return false;
    }
    if (!IsReadable(InBaseFolder(LibraryName)) || !LoadLibraryFromBaseFolder()) return false;
    auto entry = reinterpret_cast<RendererGetPlugin>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library_, "GetPlugin")));
    if (entry != nullptr) {
        ReleasePlugin();
        entry(&plugin_);
    }
    if (plugin_ != nullptr && plugin_->GetInterfaceVersion() == RendererInterfaceVersion) {
        plugin_->Init(renderWindow_);
        return true;
    }
    // A library without a usable plug-in is not kept.
    ReleasePlugin();
    ::FreeLibrary(library_);
    library_ = nullptr;
    return false;
}

// Loaded by its full path, never through the search path. A library that
// is no program of this kind (the game's own 32-bit one among them) counts
// as absent; only a library that fails to load otherwise is reported.
bool CRenderManager::LoadLibraryFromBaseFolder()
{
    ReleasePlugin();
    const std::u16string path = InBaseFolder(LibraryName);
    HMODULE module = ::LoadLibraryExW(win::W(path), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_BAD_EXE_FORMAT) return false;
        const std::u16string text =
            Format(u"Could not load the DLL \"%s\".\r\nError Number\"%i\"\r\nError Message \"%s\"", path,
                   static_cast<int>(error), SystemErrorText(error));
        win::ShowMessageBox(MainWindow(environment_), text.c_str(), u"Error Loading DLL", MB_OK | MB_ICONERROR);
        return false;
    }
    if (library_ != nullptr && library_ != module) ::FreeLibrary(library_);
    library_ = module;
    return true;
}

void CRenderManager::ReleasePlugin()
{
    if (plugin_ != nullptr) plugin_->Release();
    plugin_ = nullptr;
}

void CRenderManager::AttachTo(HWND control)
{
    HWND window = renderWindow_;
    if (window == nullptr) return;
    if (control == nullptr) {
        ::ShowWindow(window, SW_HIDE);
        ::SetParent(window, MainWindow(environment_));
        attached_ = false;
        return;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(control, &placement);
    ::SetParent(window, ::GetParent(control));
    ::SetWindowPlacement(window, &placement);
    ::ShowWindow(control, SW_HIDE);
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    attached_ = true;
}

void CRenderManager::Shutdown()
{
    if (!available_) return;
    AttachTo(nullptr);
    available_ = false;
    ReleasePlugin();
    if (renderWindow_ != nullptr) ::DestroyWindow(renderWindow_);
}

void CRenderManager::WarnIfUnavailable(const char16_t* message)
{
    if (environment_.isExternalMode && environment_.isExternalMode()) return;
    if (IsAvailable()) return;
    ShowAppMessageBox(message);
    if (environment_.setExternalMode) environment_.setExternalMode();
}
