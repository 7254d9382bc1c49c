#include "win/ComboBox.h"

#include "win/WideText.h"

namespace win {

int CComboBox::AddString(const char16_t* text) const
{
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(text != nullptr ? text : u""))));
}

int CComboBox::InsertString(int index, const char16_t* text) const
{
    return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(W(text != nullptr ? text : u""))));
}

std::u16string CComboBox::GetItemText(int index) const
{
    LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(W(text.data())));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int CComboBox::FindItemData(LPARAM data) const
{
    int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (GetItemData(i) == data) return i;
    return -1;
}

}  // namespace win
