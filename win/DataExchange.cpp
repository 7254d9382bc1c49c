#include "win/DataExchange.h"

#include <charconv>
#include <string>

#include "win/Dialog.h"
#include "win/WideText.h"

namespace win {

namespace {

std::u16string ReadText(HWND control)
{
    int length = ::GetWindowTextLengthW(control);
    std::u16string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, u'\0');
    int copied = ::GetWindowTextW(control, W(text.data()), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void WriteTextIfChanged(HWND control, const std::u16string& value)
{
    if (ReadText(control) != value) ::SetWindowTextW(control, W(value));
}

}  // namespace

HWND CDataExchange::FindControl(int id)
{
    HWND control = ::GetDlgItem(dialog_.Handle(), id);
    if (control == nullptr) failed_ = true;
    return control;
}

void CDataExchange::Text(int id, std::u16string& value)
{
    HWND control = FindControl(id);
    if (control == nullptr) return;
    if (saving_) value = ReadText(control);
    else WriteTextIfChanged(control, value);
}

void CDataExchange::Number(int id, int& value)
{
    HWND control = FindControl(id);
    if (control == nullptr) return;
    if (!saving_) {
        std::u16string text;
        for (char c : std::to_string(value)) text.push_back(static_cast<char16_t>(c));
        WriteTextIfChanged(control, text);
        return;
    }
    std::string digits;
    for (char16_t c : ReadText(control)) {
        if (c == u' ') continue;
        if (c > 0x7F) {
            failed_ = true;
            return;
        }
        digits.push_back(static_cast<char>(c));
    }
    int parsed = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        failed_ = true;
        return;
    }
    value = parsed;
}

void CDataExchange::Check(int id, bool& value)
{
    HWND control = FindControl(id);
    if (control == nullptr) return;
    if (saving_) value = ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    else ::SendMessageW(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CDataExchange::Control(int id, CWindow& control)
{
    if (control.Handle() != nullptr) return;
    HWND window = FindControl(id);
    if (window != nullptr && !control.Subclass(window)) failed_ = true;
}

}  // namespace win
