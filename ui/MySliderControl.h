#pragma once
// A trackbar whose ticks stand on the skin: only the channel and the thumb
// are drawn over it.

#include "win/SliderCtrl.h"

class CMySliderControl : public win::CSliderCtrl {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw);
    void PaintSkinKeepingChannel(HDC dc);

    RECT channel_{};
};
