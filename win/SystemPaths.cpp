#include "win/SystemPaths.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win/WideText.h"

namespace win {

std::u16string GetModulePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::u16string(U(buffer.data()), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::u16string GetCurrentFolder()
{
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return {};
    std::vector<wchar_t> buffer(needed);
    const DWORD length = ::GetCurrentDirectoryW(needed, buffer.data());
    if (length == 0 || length >= needed) return {};
    return std::u16string(U(buffer.data()), length);
}

std::u16string GetSystemFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::u16string(U(buffer), length);
}

std::u16string GetDocumentsFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
    return std::u16string(U(buffer));
}

std::u16string ReadProfileString(const std::u16string& file, const char16_t* section, const char16_t* key,
                                 const char16_t* defaultText, unsigned capacity)
{
    std::vector<wchar_t> buffer(capacity + 1);
    const DWORD length =
        ::GetPrivateProfileStringW(W(section), W(key), W(defaultText), buffer.data(), capacity, W(file));
    return std::u16string(U(buffer.data()), length);
}

}  // namespace win
