#include "ui/render/ImageCtrl.h"

#include <algorithm>
#include <cstdlib>

#include "ui/base/DialogB.h"

bool CImageCtrl::SetBitmap(HBITMAP bitmap)
{
    BITMAP source{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(source), &source) == 0) return false;
    RECT window = GetWindowRect();
    win::CDibSection copy;
    if (!copy.Create(window.right - window.left, window.bottom - window.top)) return false;
    win::CMemoryDC sourceDc;
    win::CMemoryDC target;
    {
        win::CSelectObject selectSource(sourceDc.Get(), bitmap);
        win::CSelectObject selectTarget(target.Get(), copy.Get());
        ::BitBlt(target.Get(), 0, 0, copy.Width(), copy.Height(), sourceDc.Get(), 0, 0, SRCCOPY);
    }
    filled_ = SIZE{std::min<LONG>(copy.Width(), source.bmWidth),
                   std::min<LONG>(copy.Height(), std::abs(source.bmHeight))};
    copy_ = std::move(copy);
    Invalidate();
    return true;
}

void CImageCtrl::Clear()
{
    copy_ = win::CDibSection();
    filled_ = SIZE{0, 0};
    Invalidate();
}

void CImageCtrl::Paint()
{
    win::CPaintDC paint(Handle());
    RECT client = GetClientRect();
    if (!copy_.Get()) {
        ::FillRect(paint.Get(), &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        return;
    }
    win::CMemoryDC source(paint.Get());
    win::CSelectObject select(source.Get(), copy_.Get());
    ::BitBlt(paint.Get(), 0, 0, filled_.cx, filled_.cy, source.Get(), 0, 0, SRCCOPY);
    PaintBeside(paint.Get(), RECT{filled_.cx, 0, client.right, client.bottom});
    PaintBeside(paint.Get(), RECT{0, filled_.cy, std::min(filled_.cx, client.right), client.bottom});
}

void CImageCtrl::PaintBeside(HDC dc, const RECT& area)
{
    if (area.right <= area.left || area.bottom <= area.top) return;
    if (!CDialogB::PaintBackgroundRect(Handle(), dc, area)) ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_3DFACE));
}
