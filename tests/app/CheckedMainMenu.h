#pragma once
// The main window as the tests show it: once it is up, it runs the test's
// check on itself and then closes, unless the check closed it already.

#include <windows.h>

#include <functional>

#include "app/DlgMainMenu.h"

namespace app_test {

template <class Self>
class CheckedMainMenu : public DlgMainMenu {
public:
    CheckedMainMenu() : DlgMainMenu(nullptr) {}

    std::function<void(Self&)> check;
    // False when the window was still open after the check.
    bool closedByItself = true;

    void Command(int id) { ::SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

protected:
    BOOL OnInitDialog() override
    {
        const BOOL answer = DlgMainMenu::OnInitDialog();
        Post(WM_APP);
        return answer;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message != WM_APP) return DlgMainMenu::OnMessage(message, wParam, lParam, result);
        check(static_cast<Self&>(*this));
        if (!IsEnded()) {
            closedByItself = false;
            EndDialog(IDOK);
        }
        return true;
    }
};

}  // namespace app_test
