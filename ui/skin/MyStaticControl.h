#pragma once
// A static text drawn on the skin: it turns itself owner-drawn, keeps its
// alignment, and shows an embossed text when disabled.

#include "win/Static.h"

class CMyStaticControl : public win::CStatic {
public:
    // SS_LEFT, SS_CENTER or SS_RIGHT as the template gave it.
    DWORD GetStaticType() const { return staticType_; }

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(HDC dc);
    UINT Alignment() const;

    DWORD staticType_ = SS_LEFT;
};
