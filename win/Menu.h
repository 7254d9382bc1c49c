#pragma once
// A menu loaded from a resource, destroyed with its owner object.

#include <windows.h>

#include <string>

namespace win {

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { Destroy(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    bool Load(UINT resourceId);
    void Destroy();
    HMENU Get() const { return menu_; }
    HMENU GetSubMenu(int index) const;
    int GetItemCount() const;

    static int ItemCount(HMENU menu);
    static std::u16string ItemText(HMENU menu, int position);
    static bool SetItemText(HMENU menu, int position, const char16_t* text);

private:
    HMENU menu_ = nullptr;
};

}  // namespace win
