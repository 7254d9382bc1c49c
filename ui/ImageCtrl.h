#pragma once
// A static that shows its own copy of a bitmap (club badges), black when
// it holds none.

#include "win/Gdi.h"
#include "win/Static.h"

class CImageCtrl : public win::CStatic {
public:
    // False for null, keeping the copy held before.
    bool SetBitmap(HBITMAP bitmap);
    void Clear();
    bool HasImage() const { return static_cast<bool>(copy_.Get()); }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint();

    win::CDibSection copy_;
};
