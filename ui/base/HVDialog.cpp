#include "ui/base/HVDialog.h"

#include <string>

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "ui/lists/HVListCtrl.h"
#include "win/Menu.h"
#include "win/WideText.h"

namespace Halvane::MFC {

namespace {

// Windows deeper than this below the dialog keep their texts; the limit
// guards against pathological nesting.
constexpr int MaxChildLevel = 30;
constexpr int MaxMenuDepth = 31;

std::u16string ExpandTabEscapes(const char16_t* text)
{
    std::u16string result;
    for (const char16_t* c = text; *c != 0; ++c) {
        if (c[0] == u'\\' && c[1] == u't') {
            result.push_back(u'\t');
            ++c;
        } else {
            result.push_back(*c);
        }
    }
    if (result.size() > CHVDialog::WindowTextCapacity) result.resize(CHVDialog::WindowTextCapacity);
    return result;
}

}  // namespace

CHVDialog::CHVDialog() : textManager_(CTextManager::Instance()) {}

CHVDialog::CHVDialog(UINT templateId, HWND parent)
    : win::CDialog(templateId), textManager_(CTextManager::Instance()), parent_(parent)
{
}

const char16_t* CHVDialog::GetText(const char16_t* key, const char16_t* defaultText)
{
    if (key == nullptr) return defaultText;
    if (prefixLength_ == 0) {
        const char16_t* prefix = GetTextKeyPrefix();
        CopyText(prefix_, prefix != nullptr ? prefix : u"", PrefixCapacity - 1);
        std::size_t length = TextLength(prefix_);
        prefix_[length] = u'.';
        prefix_[length + 1] = 0;
        prefixLength_ = length + 1;
    }
    std::u16string combined(prefix_, prefixLength_);
    std::u16string_view rest(key);
    combined.append(rest.substr(0, PrefixCapacity - prefixLength_));
    const char16_t* text = textManager_->GetText(combined.c_str());
    if (text != combined.c_str()) return text;
    text = textManager_->GetText(key);
    return text != key ? text : defaultText;
}

void CHVDialog::GetFilterText(const char16_t* key, char16_t* buffer, std::size_t capacity)
{
    if (buffer == nullptr || capacity == 0) return;
    buffer[0] = 0;
    if (capacity < 3) return;
    const char16_t* text = GetText(key, u"");
    std::size_t length = 0;
    for (; text[length] != 0 && length < capacity - 3; ++length) buffer[length] = text[length] == u'#' ? u'|' : text[length];
    if (length >= 2) {
        for (int dropped = 0; dropped < 2 && length > 0 && buffer[length - 1] == u'|'; ++dropped) --length;
    }
    buffer[length++] = u'|';
    buffer[length++] = u'|';
    buffer[length] = 0;
    buffer[capacity - 1] = 0;
}

void CHVDialog::TranslateWindowText(HWND window)
{
    wchar_t text[WindowTextCapacity] = {};
    ::GetWindowTextW(window, text, static_cast<int>(WindowTextCapacity));
    if (text[0] == 0) return;
    const char16_t* translated = GetText(win::U(text), nullptr);
    if (translated != nullptr) ::SetWindowTextW(window, win::W(translated));
}

void CHVDialog::TranslateChildren(HWND parent, int level)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        TranslateWindowText(child);
        if (level < MaxChildLevel) TranslateChildren(child, level + 1);
    }
}

void CHVDialog::TranslateMenu(HMENU menu)
{
    TranslateMenuLevel(menu, 0);
}

void CHVDialog::TranslateMenuLevel(HMENU menu, int depth)
{
    int count = win::CMenu::ItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU submenu = ::GetSubMenu(menu, i);
        if (submenu != nullptr && depth < MaxMenuDepth) TranslateMenuLevel(submenu, depth + 1);
        std::u16string text = win::CMenu::ItemText(menu, i);
        if (text.empty()) continue;
        const char16_t* translated = GetText(text.c_str(), nullptr);
        if (translated != nullptr) win::CMenu::SetItemText(menu, i, ExpandTabEscapes(translated).c_str());
    }
}

BOOL CHVDialog::OnInitDialog()
{
    BOOL answer = win::CDialog::OnInitDialog();
    TranslateWindowText(Handle());
    TranslateChildren(Handle(), 0);
    HMENU menu = ::GetMenu(Handle());
    if (menu != nullptr) {
        TranslateMenu(menu);
        ::DrawMenuBar(Handle());
    }
    initialised_ = true;
    return answer;
}

void CHVDialog::AddListColumns(CHVListCtrl& list, std::span<const TListColumn> columns)
{
    for (const TListColumn& column : columns) {
        const int index = list.AddColumn(GetText(column.key), column.format, column.weight);
        list.SetColumnSortTypes(index, column.sortTypes[0], column.sortTypes[1], column.sortTypes[2]);
    }
}

}  // namespace Halvane::MFC
