#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "resources/ResourceIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/dialogs/DlgErrorMessage.h"
#include "ui/dialogs/DlgInputBox.h"

using gui_test::ItemText;

namespace {

class MessageBoxesTest : public testing::Test {
protected:
    void SetUp() override { gui_test::LoadTestTexts(); }
};

std::pair<LONG, LONG> TopLeftOf(HWND dialog, int id)
{
    RECT place{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &place);
    return {place.left, place.top};
}

TEST_F(MessageBoxesTest, CollectsMessagesUnderAHeaderWithTwoButtons)
{
    CDlgErrorMessage message;
    message.SetHeader(nullptr);
    message.AddMessage(u"First", true);
    message.AddMessage(u"Second", false);
    message.AddMessage(nullptr, true);
    message.SetButtonTexts(u"Stay", nullptr);
    ASSERT_TRUE(message.Create(nullptr));
    HWND hwnd = message.Handle();
    EXPECT_EQ(ItemText(hwnd, IDC_ERROR_MESSAGE_HEADER), u"Errors were found");
    EXPECT_EQ(ItemText(hwnd, IDC_ERROR_MESSAGE_TEXT), u"First\r\nSecond");
    EXPECT_EQ(ItemText(hwnd, IDOK), u"Stay");
    EXPECT_EQ(ItemText(hwnd, IDCANCEL), u"Cancel");
    EXPECT_NE(::GetWindowLongW(::GetDlgItem(hwnd, IDCANCEL), GWL_STYLE) & WS_VISIBLE, 0);
    ::SendMessageW(::GetDlgItem(hwnd, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(message.IsEnded());
    EXPECT_EQ(message.GetResult(), IDCANCEL);
}

TEST_F(MessageBoxesTest, SetMessageLeavesOneButtonWhereTheRightOneWas)
{
    CDlgErrorMessage message;
    message.SetMessage(u"Header", u"Only text");
    EXPECT_TRUE(message.IsSingleButton());
    ASSERT_TRUE(message.Create(nullptr));
    HWND hwnd = message.Handle();
    EXPECT_EQ(::GetWindowLongW(::GetDlgItem(hwnd, IDCANCEL), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(TopLeftOf(hwnd, IDOK), TopLeftOf(hwnd, IDCANCEL));
    EXPECT_EQ(ItemText(hwnd, IDC_ERROR_MESSAGE_TEXT), u"Only text\r\n");

    // Adding to it brings the second button back.
    CDlgErrorMessage again;
    again.SetMessage(u"Header", u"Text");
    again.AddMessage(u"More", true);
    EXPECT_FALSE(again.IsSingleButton());
}

TEST_F(MessageBoxesTest, TextBeyondItsCapacityIsDropped)
{
    CDlgErrorMessage message;
    std::u16string block(1000, u'x');
    for (int i = 0; i < 20; ++i) message.AddMessage(block.c_str(), true);
    std::u16string text = message.GetMessageText();
    EXPECT_EQ(text.size(), CDlgErrorMessage::TextCapacity - 1);
    // Sixteen whole messages with line breaks fit, then the seventeenth is cut.
    EXPECT_EQ(text.substr(16 * 1002, 5), u"xxxxx");
    message.AddMessage(u"late", true);
    EXPECT_EQ(std::u16string(message.GetMessageText()).find(u"late"), std::u16string::npos);
}

TEST_F(MessageBoxesTest, InputBoxSplitsCaptionPromptAndText)
{
    struct Case {
        const char16_t* texts;
        const char16_t* preset;
        const char16_t* caption;
        const char16_t* prompt;
        const char16_t* entered;
    };
    const Case cases[] = {{u"no tabs here", nullptr, u"", u"", u""},
                          {u"Title\tType a name:\tDefault", nullptr, u"Title", u"Type a name:", u"Default"},
                          {u"Title\tPrompt", u"Preset", u"Title", u"Prompt", u"Preset"},
                          {u"Title\tPrompt", nullptr, u"Title", u"Prompt", u""}};
    for (const Case& split : cases) {
        CDlgInputBox box;
        box.SetTexts(split.texts, split.preset);
        EXPECT_EQ(box.GetCaption(), split.caption);
        EXPECT_EQ(box.GetPrompt(), split.prompt);
        EXPECT_EQ(box.GetEnteredText(), split.entered);
    }
}

TEST_F(MessageBoxesTest, InputBoxReturnsTheTypedTextOnOk)
{
    CDlgInputBox box;
    box.SetTexts(u"Title\tPrompt\tOld", nullptr);
    box.SetTextLimit(5);
    gui_test::ModalDriver driver([] {
        HWND dialog = gui_test::FindThreadDialog();
        if (dialog == nullptr) return false;
        HWND edit = ::GetDlgItem(dialog, IDC_INPUT_BOX_EDIT);
        if (::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0) != 5) return false;
        ::SetWindowTextW(edit, L"New");
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    EXPECT_EQ(box.DoModal(), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(box.GetEnteredText(), u"New");
}

TEST_F(MessageBoxesTest, InputBoxWithChoicesShowsTheComboAndTracksTheChoice)
{
    CDlgInputBox box;
    box.SetTexts(u"Title\tChoose", nullptr);
    box.AddChoice(u"Ten", 10);
    box.AddChoice(u"Twenty", 20);
    box.SetSelectedValue(99);
    ASSERT_TRUE(box.Create(nullptr));
    HWND combo = box.GetItem(IDC_INPUT_BOX_CHOICES);
    EXPECT_NE(::GetWindowLongW(combo, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(::GetWindowLongW(box.GetItem(IDC_INPUT_BOX_EDIT), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(box.GetSelectedValue(), 99u);
    ::SendMessageW(combo, CB_SETCURSEL, 1, 0);
    box.Send(WM_COMMAND, MAKEWPARAM(IDC_INPUT_BOX_CHOICES, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(box.GetSelectedValue(), 20u);
    EXPECT_EQ(gui_test::WindowText(box.Handle()), u"Title");
}

}  // namespace
