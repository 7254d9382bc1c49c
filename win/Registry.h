#pragma once
// One open registry key, closed when the object dies.

#include <windows.h>

#include <string>

namespace win {

class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    bool Open(HKEY root, const char16_t* path, REGSAM access = KEY_READ);
    // Opens the key for writing, creating it and the keys above it when missing.
    bool Create(HKEY root, const char16_t* path);
    void Close();
    bool IsOpen() const { return key_ != nullptr; }

    // False when the value is missing or is not a DWORD.
    bool ReadDword(const char16_t* name, DWORD& value) const;
    bool WriteDword(const char16_t* name, DWORD value) const;
    bool WriteString(const char16_t* name, const std::u16string& value) const;
    bool DeleteValue(const char16_t* name) const;

private:
    HKEY key_ = nullptr;
};

}  // namespace win
