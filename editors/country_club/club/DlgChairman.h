#pragma once
// A child page that edits a chairman's stability (0..4) with a scroll bar
// whose scale runs the other way: the bar shows 4 less the value, so
// arrows, page keys and drags agree.

#include "ui/base/DialogB.h"

class TPerson;

class CDlgChairman : public CDialogB {
public:
    explicit CDlgChairman(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Chairman"; }

    void SetPerson(TPerson* person);

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowValue(int stability);

    TPerson* person_ = nullptr;
};
