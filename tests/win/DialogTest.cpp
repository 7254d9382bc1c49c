#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/win/WinTestIds.h"
#include "win/Button.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include "win/ListCtrl.h"

namespace {

// Records every edit change with whether the exchange caused it.
class ExchangeDialog : public win::CDialog {
public:
    ExchangeDialog() : CDialog(IDD_WIN_TEST) {}
    std::u16string name = u"Initial";
    int number = 7;
    bool checked = true;
    std::vector<bool> changesDuringExchange;
    win::CButton button;

protected:
    void DoDataExchange(win::CDataExchange& exchange) override
    {
        exchange.Text(IDC_WIN_EDIT, name);
        exchange.Number(IDC_WIN_NUMBER, number);
        exchange.Check(IDC_WIN_CHECK, checked);
        exchange.Control(IDC_WIN_BUTTON, button);
    }
    bool OnCommand(int id, int code, HWND) override
    {
        if (id == IDC_WIN_EDIT && code == EN_CHANGE) changesDuringExchange.push_back(IsExchanging());
        return false;
    }
};

// A button that takes its own clicks back from the parent.
class OwnClickButton : public win::CButton {
public:
    int clicks = 0;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT&) override
    {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
        ++clicks;
        return true;
    }
};

class ClickCounter : public win::CDialog {
public:
    ClickCounter() : CDialog(IDD_WIN_TEST) {}
    int parentClicks = 0;

protected:
    bool OnCommand(int id, int code, HWND) override
    {
        if (id == IDC_WIN_BUTTON && code == BN_CLICKED) ++parentClicks;
        return id == IDC_WIN_BUTTON;
    }
};

// Ends its window in its own destructor, records its destroy handling and
// every message that reaches it after that. Its list holds rows, whose
// deletion the list reports while it dies after the dialog.
class ClosingDialog : public win::CDialog {
public:
    explicit ClosingDialog(std::vector<std::string>& log) : CDialog(IDD_WIN_TEST), log_(log) {}
    ~ClosingDialog() override { Destroy(); }

protected:
    BOOL OnInitDialog() override
    {
        win::CListCtrl list;
        list.Attach(GetItem(IDC_WIN_LIST));
        list.InsertColumn(0, u"Rows", LVCFMT_LEFT, 50, 0);
        for (int row = 0; row < 3; ++row) list.InsertItem(row, u"Row");
        return CDialog::OnInitDialog();
    }
    void OnDestroy() override
    {
        log_.push_back("destroy handling");
        destroyed_ = true;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (destroyed_) log_.push_back("message " + std::to_string(message) + " afterwards");
        return CDialog::OnMessage(message, wParam, lParam, result);
    }

private:
    std::vector<std::string>& log_;
    bool destroyed_ = false;
};

TEST(DialogLifetime, AnObjectThatDiesWithItsWindowOpenRunsItsDestroyHandlingLast)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    std::vector<std::string> log;
    HWND handle = nullptr;
    {
        ClosingDialog dialog(log);
        ASSERT_TRUE(dialog.Create(nullptr));
        handle = dialog.Handle();
    }
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(log, (std::vector<std::string>{"destroy handling"}));
}

TEST(DialogLifetime, AWrapperAttachedToADialogLeavesItsMessagesToTheDialog)
{
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    win::CWindow wrapper;
    ASSERT_TRUE(wrapper.Attach(dialog.Handle()));
    EXPECT_EQ(win::CWindow::FromHandle(dialog.Handle()), &dialog);
    wrapper.Send(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(dialog.IsEnded());
    wrapper.Detach();
    EXPECT_EQ(win::CWindow::FromHandle(dialog.Handle()), &dialog);
}

TEST(DialogExchange, ChangesMadeByTheExchangeAreMarkedAndUnchangedEditsLeftAlone)
{
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    // Loading at start changed the edit once, inside the exchange.
    EXPECT_EQ(dialog.changesDuringExchange, (std::vector<bool>{true}));
    dialog.changesDuringExchange.clear();

    EXPECT_EQ(dialog.button.Handle(), ::GetDlgItem(dialog.Handle(), IDC_WIN_BUTTON));
    dialog.UpdateData(false);
    EXPECT_TRUE(dialog.changesDuringExchange.empty());

    ::SetDlgItemTextW(dialog.Handle(), IDC_WIN_EDIT, L"Typed");
    EXPECT_EQ(dialog.changesDuringExchange, (std::vector<bool>{false}));
    EXPECT_FALSE(dialog.IsExchanging());

    ::SetDlgItemTextW(dialog.Handle(), IDC_WIN_NUMBER, L"1 234");
    ::SendDlgItemMessageW(dialog.Handle(), IDC_WIN_CHECK, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.name, u"Typed");
    EXPECT_EQ(dialog.number, 1234);
    EXPECT_FALSE(dialog.checked);
}

TEST(DialogExchange, ANumberThatIsNoneFailsAndKeepsTheValue)
{
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ::SetDlgItemTextW(dialog.Handle(), IDC_WIN_NUMBER, L"12x");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 7);
    // OK refuses to close on it.
    ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_FALSE(dialog.IsEnded());
}

TEST(DialogReflection, AControlTakesItsOwnNotificationBeforeTheParent)
{
    ClickCounter dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ::SendDlgItemMessageW(dialog.Handle(), IDC_WIN_BUTTON, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.parentClicks, 1);
    OwnClickButton button;
    ASSERT_TRUE(button.SubclassDlgItem(IDC_WIN_BUTTON, dialog));
    EXPECT_EQ(win::CWindow::FromHandle(button.Handle()), &button);
    ::SendDlgItemMessageW(dialog.Handle(), IDC_WIN_BUTTON, BM_CLICK, 0, 0);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(dialog.parentClicks, 1);
    // A window can be bound to one object only.
    OwnClickButton second;
    EXPECT_FALSE(second.SubclassDlgItem(IDC_WIN_BUTTON, dialog));
    HWND handle = button.Detach();
    EXPECT_EQ(win::CWindow::FromHandle(handle), nullptr);
    ::SendDlgItemMessageW(dialog.Handle(), IDC_WIN_BUTTON, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.parentClicks, 2);
}

TEST(DialogLifetime, DestroyingTheWindowUnbindsTheObject)
{
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND handle = dialog.Handle();
    EXPECT_EQ(win::CWindow::FromHandle(handle), &dialog);
    dialog.Destroy();
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(win::CWindow::FromHandle(handle), nullptr);
    // The same object can open its dialog again.
    EXPECT_TRUE(dialog.Create(nullptr));
}

}  // namespace
