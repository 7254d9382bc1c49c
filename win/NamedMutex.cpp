#include "win/NamedMutex.h"

#include "win/WideText.h"

namespace win {

CNamedMutex::Result CNamedMutex::Create(const char16_t* name)
{
    Close();
    handle_ = ::CreateMutexW(nullptr, TRUE, W(name));
    if (handle_ == nullptr) return Result::Failed;
    owned_ = ::GetLastError() != ERROR_ALREADY_EXISTS;
    return owned_ ? Result::Created : Result::Existed;
}

void CNamedMutex::Close()
{
    if (handle_ == nullptr) return;
    if (owned_) ::ReleaseMutex(handle_);
    ::CloseHandle(handle_);
    handle_ = nullptr;
    owned_ = false;
}

}  // namespace win
