#pragma once
// A named mutex shared between processes, held from creation until Close.

#include <windows.h>

namespace win {

class CNamedMutex {
public:
    enum class Result { Created, Existed, Failed };

    CNamedMutex() = default;
    ~CNamedMutex() { Close(); }
    CNamedMutex(const CNamedMutex&) = delete;
    CNamedMutex& operator=(const CNamedMutex&) = delete;

    // Creates the mutex initially owned. When another holder made it first
    // the handle is kept all the same (so Close must still run), but the
    // mutex is not owned.
    Result Create(const char16_t* name);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
    bool owned_ = false;
};

}  // namespace win
