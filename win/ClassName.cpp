#include "win/ClassName.h"

namespace win {

bool HasClassName(HWND window, const wchar_t* name)
{
    wchar_t className[32] = {};
    return ::GetClassNameW(window, className, 32) > 0 && ::lstrcmpiW(className, name) == 0;
}

}  // namespace win
