#pragma once
// A trackbar whose ticks, channel and thumb stand on the skin.

#include "win/SliderCtrl.h"

class CMySliderControl : public win::CSliderCtrl {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw);

    bool skinPainted_ = false;
};
