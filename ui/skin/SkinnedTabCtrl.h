#pragma once
// A tab control that shows the dialog skin behind its tabs.

#include "win/TabCtrl.h"

class CSkinnedTabCtrl : public win::CTabCtrl {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
