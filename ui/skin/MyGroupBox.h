#pragma once
// A group box drawn on the skin: its caption strip shows the skin, its
// frame is an etched pair of lines, darker when the box is disabled.

#include "win/Button.h"

class CMyGroupBox : public win::CButton {
public:
    static constexpr int CaptionHeight = 13;
    static constexpr int CaptionLeft = 9;
    static constexpr COLORREF EnabledDark = 0x848284;
    static constexpr COLORREF EnabledLight = 0xFFFFFF;
    static constexpr COLORREF DisabledDark = 0x424142;
    static constexpr COLORREF DisabledLight = 0x808080;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint();
};
