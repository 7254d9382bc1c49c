#pragma once
// A floating text label that follows the mouse while a dialog drags
// something of its own.

#include "ui/skin/PaintedStatic.h"

class CDragCtrl : public CPaintedStatic {
public:
    static constexpr int ControlId = 0xFFFF;
    static constexpr int TextCapacity = 128;

    ~CDragCtrl() override;
    bool Create(HWND parent, int width, int height);
    // Null empties the label.
    void Show(const char16_t* text);
    // Puts the label's lower-left corner at the cursor.
    void FollowCursor();
    void Hide();

private:
    void Paint() override;

    int width_ = 0;
    int height_ = 0;
};
