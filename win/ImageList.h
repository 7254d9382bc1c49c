#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace win {

// Owns an image list (drag images, icons of list rows).
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { Reset(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    HIMAGELIST Get() const { return list_; }
    void Reset(HIMAGELIST list = nullptr)
    {
        if (list_ != nullptr) ImageList_Destroy(list_);
        list_ = list;
    }

private:
    HIMAGELIST list_ = nullptr;
};

}  // namespace win
