#pragma once
// Asks for one text, or, when choices were added, for one choice of a list.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/base/DialogB.h"

class CDlgInputBox : public CDialogB {
public:
    static constexpr std::size_t SplitLimit = 4095;

    explicit CDlgInputBox(HWND parent = nullptr);

    void SetCaption(const char16_t* text) { caption_ = text != nullptr ? text : u""; }
    // "caption<TAB>prompt[<TAB>text]"; a text without two parts changes nothing.
    // A non-null preset replaces the third part.
    void SetTexts(const char16_t* text, const char16_t* preset);
    void SetTextsFromResource(UINT stringId, const char16_t* preset);
    void SetPresetText(const char16_t* text) { text_ = text != nullptr ? text : u""; }
    // Below 1: no limit.
    void SetTextLimit(int limit) { textLimit_ = limit; }
    void AddChoice(const char16_t* text, std::uint32_t value);
    void SetSelectedValue(std::uint32_t value) { selectedValue_ = value; }

    std::uint32_t GetSelectedValue() const { return selectedValue_; }
    const std::u16string& GetEnteredText() const { return text_; }
    const std::u16string& GetCaption() const { return caption_; }
    const std::u16string& GetPrompt() const { return prompt_; }
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.InputBox"; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(win::CDataExchange& exchange) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    struct Choice {
        std::uint32_t value;
        std::u16string text;
    };
    void ShowChoices();
    void ShowEdit();

    std::u16string caption_;
    std::u16string prompt_;
    std::u16string text_;
    int textLimit_ = 0;
    std::vector<Choice> choices_;
    std::uint32_t selectedValue_ = 0;
};
