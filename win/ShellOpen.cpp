#include "win/ShellOpen.h"

#include <shellapi.h>

#include <atomic>

#include "win/WideText.h"

namespace win {
namespace {

std::atomic<ShellOpenHandler> handler{nullptr};

}  // namespace

bool ShellOpenFile(HWND owner, const char16_t* file)
{
    if (ShellOpenHandler installed = handler.load()) return installed(owner, L"open", W(file), SW_SHOWNORMAL);
    const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteW(owner, L"open", W(file), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler next) { return handler.exchange(next); }

}  // namespace win
