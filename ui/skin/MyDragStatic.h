#pragma once
// A static that paints a fixed text into its client area.

#include "win/Static.h"

class CMyDragStatic : public win::CStatic {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
