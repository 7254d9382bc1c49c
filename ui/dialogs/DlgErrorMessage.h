#pragma once
// A message window with a header line, a long scrollable text and one or two
// buttons; collects the results of checks. The result is the button pressed:
// 1 for the first, 2 for the second.

#include <cstddef>

#include "ui/base/DialogB.h"

class CDlgErrorMessage : public CDialogB {
public:
    static constexpr std::size_t HeaderCapacity = 256;
    static constexpr std::size_t TextCapacity = 16384;
    static constexpr std::size_t ButtonCaptionCapacity = 64;

    explicit CDlgErrorMessage(HWND parent = nullptr);

    // Null keeps the template's caption.
    void SetButtonTexts(const char16_t* first, const char16_t* second);
    // Null takes the default header. Brings the second button back.
    void SetHeader(const char16_t* text);
    // Appends while there is room; the rest is dropped.
    void AddMessage(const char16_t* text, bool lineBreak);
    // One message with one button, in the place of the right-hand button.
    void SetMessage(const char16_t* header, const char16_t* text);
    void SetSingleButton() { singleButton_ = true; }

    const char16_t* GetHeader() const { return header_; }
    const char16_t* GetMessageText() const { return text_; }
    bool IsSingleButton() const { return singleButton_; }
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.ErrorMessage"; }

protected:
    BOOL OnInitDialog() override;

private:
    void AppendText(const char16_t* text, std::size_t limit);
    void PlaceSingleButton();

    char16_t header_[HeaderCapacity] = {};
    char16_t text_[TextCapacity] = {};
    std::size_t textLength_ = 0;
    char16_t firstCaption_[ButtonCaptionCapacity] = {};
    char16_t secondCaption_[ButtonCaptionCapacity] = {};
    bool singleButton_ = false;
};
