#pragma once
// One pass of data exchange between a dialog's controls and its members.
// Loading an edit whose text already equals the value leaves it alone, so
// that neither the caret nor a change notification is disturbed.

#include <windows.h>

#include <string>

namespace win {

class CDialog;
class CWindow;

class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool save) : dialog_(dialog), saving_(save) {}

    bool IsSaving() const { return saving_; }
    bool Failed() const { return failed_; }

    void Text(int id, std::u16string& value);
    void Number(int id, int& value);
    void Check(int id, bool& value);
    // Binds a control object to its control on the first exchange.
    void Control(int id, CWindow& control);

private:
    HWND FindControl(int id);

    CDialog& dialog_;
    bool saving_;
    bool failed_ = false;
};

}  // namespace win
