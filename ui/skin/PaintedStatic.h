#pragma once
// A static that draws its whole client area itself: it paints in Paint and
// never lets the background be erased first, so it does not flicker.

#include "win/Static.h"

class CPaintedStatic : public win::CStatic {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual void Paint() = 0;
};
