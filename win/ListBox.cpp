#include "win/ListBox.h"

#include "win/WideText.h"

namespace win {

int CListBox::AddString(const char16_t* text) const
{
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(text != nullptr ? text : u""))));
}

std::u16string CListBox::GetItemText(int index) const
{
    LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(W(text.data())));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int CListBox::ItemFromPoint(POINT client) const
{
    LRESULT answer = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(answer) != 0) return -1;
    return LOWORD(answer);
}

}  // namespace win
