#include "win/Registry.h"

#include "win/WideText.h"

namespace win {

bool CRegistryKey::Open(HKEY root, const char16_t* path, REGSAM access)
{
    Close();
    return ::RegOpenKeyExW(root, W(path), 0, access, &key_) == ERROR_SUCCESS || (key_ = nullptr, false);
}

bool CRegistryKey::Create(HKEY root, const char16_t* path)
{
    Close();
    const LONG status = ::RegCreateKeyExW(root, W(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    if (status == ERROR_SUCCESS) return true;
    key_ = nullptr;
    return false;
}

void CRegistryKey::Close()
{
    if (key_ != nullptr) ::RegCloseKey(key_);
    key_ = nullptr;
}

bool CRegistryKey::ReadDword(const char16_t* name, DWORD& value) const
{
    if (key_ == nullptr) return false;
    DWORD type = 0;
    DWORD read = 0;
    DWORD size = sizeof(read);
    const LONG status = ::RegQueryValueExW(key_, W(name), nullptr, &type, reinterpret_cast<BYTE*>(&read), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(read)) return false;
    value = read;
    return true;
}

bool CRegistryKey::WriteDword(const char16_t* name, DWORD value) const
{
    return key_ != nullptr &&
           ::RegSetValueExW(key_, W(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
               ERROR_SUCCESS;
}

bool CRegistryKey::WriteString(const char16_t* name, const std::u16string& value) const
{
    const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(char16_t));
    return key_ != nullptr &&
           ::RegSetValueExW(key_, W(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size) ==
               ERROR_SUCCESS;
}

bool CRegistryKey::DeleteValue(const char16_t* name) const
{
    return key_ != nullptr && ::RegDeleteValueW(key_, W(name)) == ERROR_SUCCESS;
}

}  // namespace win
