#include "win/Menu.h"

#include "win/Dialog.h"
#include "win/WideText.h"

namespace win {

bool CMenu::Load(UINT resourceId)
{
    Destroy();
    menu_ = ::LoadMenuW(CDialog::GetResourceModule(), MAKEINTRESOURCEW(resourceId));
    return menu_ != nullptr;
}

void CMenu::Destroy()
{
    if (menu_ != nullptr) ::DestroyMenu(menu_);
    menu_ = nullptr;
}

HMENU CMenu::GetSubMenu(int index) const
{
    return menu_ != nullptr ? ::GetSubMenu(menu_, index) : nullptr;
}

int CMenu::GetItemCount() const
{
    return ItemCount(menu_);
}

int CMenu::ItemCount(HMENU menu)
{
    return menu != nullptr ? ::GetMenuItemCount(menu) : 0;
}

std::u16string CMenu::ItemText(HMENU menu, int position)
{
    wchar_t buffer[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 256;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return {};
    return U(buffer);
}

bool CMenu::SetItemText(HMENU menu, int position, const char16_t* text)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(W(text != nullptr ? text : u""));
    return ::SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) != FALSE;
}

}  // namespace win
