#pragma once
// The localising dialog: every caption, control text and menu item of its
// template is a text key, translated when the dialog opens. A key is looked
// up first behind the dialog's own prefix ("Dialog.Main" + "." + key), then
// alone.

#include <cstddef>
#include <span>

#include "core/text/TextKey.h"
#include "ui/base/ChangeNotify.h"
#include "win/Dialog.h"

class CTextManager;

namespace Halvane::MFC {

class CHVListCtrl;

// A list column as dialogs declare them: heading key, format, width weight
// and the sort types of a click on it (-1 for none).
struct TListColumn {
    TextKey key;
    int format;
    int weight;
    int sortTypes[3];
};

class CHVDialog : public win::CDialog, public IChangeNotify {
public:
    static constexpr std::size_t PrefixCapacity = 255;
    static constexpr std::size_t WindowTextCapacity = 256;

    CHVDialog();
    explicit CHVDialog(UINT templateId, HWND parent = nullptr);

    // The text of the prefixed key, else of the key alone, else the default.
    const char16_t* GetText(const char16_t* key, const char16_t* defaultText = nullptr);
    const char16_t* GetText(TextKey key, const char16_t* defaultText = nullptr) { return GetText(key.key, defaultText); }
    // A file-dialog filter from a text whose "#" stand for "|", ending "||".
    void GetFilterText(const char16_t* key, char16_t* buffer, std::size_t capacity);
    void GetFilterText(TextKey key, char16_t* buffer, std::size_t capacity) { GetFilterText(key.key, buffer, capacity); }
    void TranslateMenu(HMENU menu);
    bool IsInitialised() const { return initialised_; }
    CTextManager* GetTextManager() const { return textManager_; }
    HWND GetParentWindow() const { return parent_; }

    void OnChange(void* sender) override {}
    virtual const char16_t* GetTextKeyPrefix() const = 0;

    // Runs modally with the parent given at construction as owner.
    INT_PTR DoModal() { return win::CDialog::DoModal(parent_); }
    using win::CDialog::DoModal;

protected:
    BOOL OnInitDialog() override;
    // Each heading is the text of its key, looked up as every caption is.
    void AddListColumns(CHVListCtrl& list, std::span<const TListColumn> columns);

private:
    void TranslateWindowText(HWND window);
    void TranslateChildren(HWND parent, int level);
    void TranslateMenuLevel(HMENU menu, int depth);

    bool initialised_ = false;
    CTextManager* textManager_;
    HWND parent_ = nullptr;
    char16_t prefix_[PrefixCapacity] = {};
    std::size_t prefixLength_ = 0;
};

}  // namespace Halvane::MFC
