#pragma once
// A static that shows its own copy of a bitmap (club badges), black when
// it holds none. Where the bitmap is smaller than the control, the skin
// shows through.

#include "win/Gdi.h"
#include "ui/skin/PaintedStatic.h"

class CImageCtrl : public CPaintedStatic {
public:
    // False for null, keeping the copy held before.
    bool SetBitmap(HBITMAP bitmap);
    void Clear();
    bool HasImage() const { return static_cast<bool>(copy_.Get()); }

private:
    void Paint() override;
    void PaintBeside(HDC dc, const RECT& area);

    win::CDibSection copy_;
    // The part of the copy that the source filled.
    SIZE filled_{0, 0};
};
