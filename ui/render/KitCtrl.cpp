#include "ui/render/KitCtrl.h"

#include "core/text/TextManager.h"
#include "platform/Platform.h"
#include "ui/render/RenderManager.h"

namespace {

constexpr std::size_t FlagsWord = 5;
constexpr std::size_t KitIdWord = 7;
constexpr std::size_t TextureWord = 8;
constexpr std::uint32_t SecondVariantFlag = 4;
constexpr std::uint32_t FrenchFlag = 0x10000000u;
constexpr std::uint32_t GermanOrSpanishFlag = 0x20000000u;

// Held for the life of the object; a failed wait takes nothing.
class MutexLock {
public:
    MutexLock(HANDLE mutex, DWORD wait)
        : mutex_(mutex), held_(mutex != nullptr && ::WaitForSingleObject(mutex, wait) != WAIT_TIMEOUT)
    {
    }
    ~MutexLock()
    {
        if (held_) ::ReleaseMutex(mutex_);
    }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;
    bool Held() const { return held_; }

private:
    HANDLE mutex_;
    bool held_;
};

std::uint32_t LanguageFlags()
{
    switch (CTextManager::Instance()->GetLanguage()) {
    case 1:
        return FrenchFlag;
    case 2:
    case 4:
        return GermanOrSpanishFlag;
    default:
        return 0;
    }
}

bool TextureExists(const TKitBlock& kit)
{
    const std::string_view path = GetKitBlockTexture(kit);
    return !path.empty() && platform::FileExists(platform::SystemCodePageToUtf16(path));
}

}  // namespace

CKitCtrl::CKitCtrl(CRenderManager* renderer)
    : renderer_(renderer), mutex_(::CreateMutexW(nullptr, FALSE, L"RendererMutex"))
{
}

CKitCtrl::~CKitCtrl()
{
    if (mutex_ != nullptr) ::CloseHandle(mutex_);
}

void CKitCtrl::PreSubclassWindow()
{
    if (renderer_ == nullptr) renderer_ = CRenderManager::GetInstance();
    ::SetTimer(Handle(), FrameTimer, FramePeriodMs, nullptr);
}

IRendererPlugin* CKitCtrl::Plugin() const
{
    return renderer_ != nullptr ? renderer_->GetPlugin() : nullptr;
}

void CKitCtrl::Store(const TKitBlock& kit, std::uint32_t kitId, bool firstVariant)
{
    kit_ = kit;
    options_[KitIdWord] = kitId;
    options_[FlagsWord] = firstVariant ? 0 : SecondVariantFlag;
}

void CKitCtrl::SetKit(const TKitBlock& kit, std::uint32_t kitId, bool firstVariant)
{
    Store(kit, kitId, firstVariant);
    options_[FlagsWord] |= LanguageFlags();
    options_[TextureWord] = kitId != 0 && TextureExists(kit) ? 1 : 0;
    if (IRendererPlugin* plugin = Plugin()) {
        MutexLock lock(mutex_, INFINITE);
        plugin->SetKit(kit_.data(), options_.data());
    }
}

void CKitCtrl::RenderKit(const TKitBlock& kit, std::uint32_t kitId, bool firstVariant)
{
    Store(kit, kitId, firstVariant);
    IRendererPlugin* plugin = Plugin();
    if (plugin == nullptr) return;
    {
        MutexLock lock(mutex_, INFINITE);
        renderer_->AttachTo(Handle());
        plugin->SetBackground(Background);
        plugin->RenderKit(KitArea, kit_.data(), options_.data());
    }
    Show(true);
}

void CKitCtrl::DrawFrame()
{
    IRendererPlugin* plugin = Plugin();
    if (plugin == nullptr) return;
    MutexLock lock(mutex_, FrameWaitMs);
    if (!lock.Held() || busy_) return;
    busy_ = true;
    plugin->RenderFrame();
    busy_ = false;
}

void CKitCtrl::Paint()
{
    PAINTSTRUCT paint{};
    ::BeginPaint(Handle(), &paint);
    ::EndPaint(Handle(), &paint);
    DrawFrame();
}

bool CKitCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_TIMER && wParam == FrameTimer) {
        DrawFrame();
        result = 0;
        return true;
    }
    if (message == WM_DESTROY) {
        ::KillTimer(Handle(), FrameTimer);
        if (Plugin() != nullptr) renderer_->AttachTo(nullptr);
    }
    return CPaintedStatic::OnMessage(message, wParam, lParam, result);
}
