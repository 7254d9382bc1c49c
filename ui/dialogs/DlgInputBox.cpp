#include "ui/dialogs/DlgInputBox.h"

#include "resources/ResourceIds.h"
#include "win/ComboBox.h"
#include "win/DataExchange.h"
#include "win/Edit.h"
#include "win/WideText.h"

CDlgInputBox::CDlgInputBox(HWND parent) : CDialogB(IDD_INPUT_BOX, parent) {}

void CDlgInputBox::SetTexts(const char16_t* text, const char16_t* preset)
{
    if (text == nullptr) return;
    std::u16string_view whole(text);
    whole = whole.substr(0, SplitLimit);
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (parts.size() < 3) {
        std::size_t tab = whole.find(u'\t', start);
        // The third part keeps any further tabs.
        if (tab == std::u16string_view::npos || parts.size() == 2) {
            parts.emplace_back(whole.substr(start));
            break;
        }
        parts.emplace_back(whole.substr(start, tab - start));
        start = tab + 1;
    }
    if (parts.size() < 2) return;
    caption_ = parts[0];
    prompt_ = parts[1];
    if (preset != nullptr) text_ = preset;
    else text_ = parts.size() > 2 ? parts[2] : u"";
}

void CDlgInputBox::SetTextsFromResource(UINT stringId, const char16_t* preset)
{
    const wchar_t* resource = nullptr;
    int length = ::LoadStringW(GetResourceModule(), stringId, reinterpret_cast<LPWSTR>(&resource), 0);
    std::u16string text = length > 0 ? std::u16string(win::U(resource), static_cast<std::size_t>(length)) : u"";
    SetTexts(text.c_str(), preset);
}

void CDlgInputBox::AddChoice(const char16_t* text, std::uint32_t value)
{
    choices_.push_back({value, text != nullptr ? text : u""});
}

void CDlgInputBox::DoDataExchange(win::CDataExchange& exchange)
{
    exchange.Text(IDC_INPUT_BOX_EDIT, text_);
}

BOOL CDlgInputBox::OnInitDialog()
{
    CDialogB::OnInitDialog();
    SetText(caption_);
    ::SetDlgItemTextW(Handle(), IDC_INPUT_BOX_PROMPT, win::W(prompt_));
    if (choices_.empty()) ShowEdit();
    else ShowChoices();
    return TRUE;
}

void CDlgInputBox::ShowChoices()
{
    win::CComboBox combo;
    combo.Attach(GetItem(IDC_INPUT_BOX_CHOICES));
    combo.ResetContent();
    for (const Choice& choice : choices_) AddComboItem(combo, choice.text.c_str(), static_cast<LPARAM>(choice.value));
    int selected = combo.FindItemData(static_cast<LPARAM>(selectedValue_));
    combo.SetCurSel(selected);
    ::ShowWindow(GetItem(IDC_INPUT_BOX_EDIT), SW_HIDE);
    combo.Show(true);
    if (selected >= 0) selectedValue_ = static_cast<std::uint32_t>(combo.GetItemData(selected));
    combo.Detach();
}

void CDlgInputBox::ShowEdit()
{
    win::CEdit edit;
    edit.Attach(GetItem(IDC_INPUT_BOX_EDIT));
    edit.SetText(text_);
    edit.SetSel(0, -1);
    edit.ScrollCaret();
    if (textLimit_ >= 1) edit.SetLimitText(textLimit_);
    edit.Show(true);
    ::ShowWindow(GetItem(IDC_INPUT_BOX_CHOICES), SW_HIDE);
    edit.Detach();
}

bool CDlgInputBox::OnCommand(int id, int code, HWND control)
{
    if (id != IDC_INPUT_BOX_CHOICES || code != CBN_SELCHANGE) return false;
    LRESULT index = ::SendMessageW(control, CB_GETCURSEL, 0, 0);
    if (index >= 0) selectedValue_ = static_cast<std::uint32_t>(::SendMessageW(control, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    return true;
}
