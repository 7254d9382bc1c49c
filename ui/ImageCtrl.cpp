#include "ui/ImageCtrl.h"

bool CImageCtrl::SetBitmap(HBITMAP bitmap)
{
    if (bitmap == nullptr) return false;
    RECT window = GetWindowRect();
    win::CDibSection copy;
    if (!copy.Create(window.right - window.left, window.bottom - window.top)) return false;
    win::CMemoryDC source;
    win::CMemoryDC target;
    {
        win::CSelectObject selectSource(source.Get(), bitmap);
        win::CSelectObject selectTarget(target.Get(), copy.Get());
        ::BitBlt(target.Get(), 0, 0, copy.Width(), copy.Height(), source.Get(), 0, 0, SRCCOPY);
    }
    copy_ = std::move(copy);
    Invalidate();
    return true;
}

void CImageCtrl::Clear()
{
    copy_ = win::CDibSection();
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
    ::BitBlt(paint.Get(), 0, 0, copy_.Width(), copy_.Height(), source.Get(), 0, 0, SRCCOPY);
}
