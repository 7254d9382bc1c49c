#include "editors/player_staff/StaticText.h"

void ShowStaticText(const win::CWindow& control, const char16_t* text)
{
    control.SetText(text);
    HWND parent = control.GetParent();
    if (parent == nullptr) return;
    RECT area = control.GetWindowRect();
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::InvalidateRect(parent, &area, TRUE);
}
