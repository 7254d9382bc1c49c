#include "win/MessageBox.h"

#include "win/WideText.h"

namespace win {

int ShowMessageBox(HWND owner, const char16_t* text, const char16_t* caption, UINT flags)
{
    if (owner != nullptr && !::IsWindow(owner)) owner = nullptr;
    return ::MessageBoxW(owner, W(text != nullptr ? text : u""), W(caption != nullptr ? caption : u""), flags);
}

}  // namespace win
