#include "ui/dialogs/DlgErrorMessage.h"

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "resources/ResourceIds.h"
#include "win/WideText.h"
#include "win/Window.h"

CDlgErrorMessage::CDlgErrorMessage(HWND parent) : CDialogB(IDD_ERROR_MESSAGE, parent) {}

void CDlgErrorMessage::SetButtonTexts(const char16_t* first, const char16_t* second)
{
    if (first != nullptr) CopyText(firstCaption_, first);
    if (second != nullptr) CopyText(secondCaption_, second);
}

void CDlgErrorMessage::SetHeader(const char16_t* text)
{
    if (text == nullptr) text = GetText(u"Dialog.ErrorMessage.DefaultHeader"_tk, u"");
    CopyText(header_, text);
    singleButton_ = false;
}

void CDlgErrorMessage::AppendText(const char16_t* text, std::size_t limit)
{
    while (*text != 0 && textLength_ < limit) text_[textLength_++] = *text++;
    text_[textLength_] = 0;
}

void CDlgErrorMessage::AddMessage(const char16_t* text, bool lineBreak)
{
    if (text == nullptr) return;
    AppendText(text, TextCapacity - 1);
    if (lineBreak && textLength_ < TextCapacity - 3) AppendText(u"\r\n", TextCapacity - 1);
    singleButton_ = false;
}

void CDlgErrorMessage::SetMessage(const char16_t* header, const char16_t* text)
{
    SetHeader(header);
    textLength_ = 0;
    text_[0] = 0;
    AddMessage(text, true);
    singleButton_ = true;
}

BOOL CDlgErrorMessage::OnInitDialog()
{
    CDialogB::OnInitDialog();
    if (firstCaption_[0] != 0) ::SetDlgItemTextW(Handle(), IDOK, win::W(firstCaption_));
    if (secondCaption_[0] != 0) ::SetDlgItemTextW(Handle(), IDCANCEL, win::W(secondCaption_));
    if (header_[0] != 0) ::SetDlgItemTextW(Handle(), IDC_ERROR_MESSAGE_HEADER, win::W(header_));
    ::SetDlgItemTextW(Handle(), IDC_ERROR_MESSAGE_TEXT, win::W(text_));
    if (singleButton_) PlaceSingleButton();
    return TRUE;
}

void CDlgErrorMessage::PlaceSingleButton()
{
    HWND first = GetItem(IDOK);
    HWND second = GetItem(IDCANCEL);
    if (first == nullptr || second == nullptr) return;
    const RECT place = win::RectIn(second, Handle());
    ::ShowWindow(second, SW_HIDE);
    ::MoveWindow(first, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}
