#pragma once
// A check box on the skin: enabling or disabling it repaints what lies
// beneath, so the skin shows through its transparent background.

#include "win/Button.h"

class CMyCheckBox : public win::CButton {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
