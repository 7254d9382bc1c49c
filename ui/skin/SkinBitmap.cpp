#include "ui/skin/SkinBitmap.h"

#include <atomic>

namespace {
std::atomic<HBITMAP> skinBitmap{nullptr};
}

void SetSkinBitmap(HBITMAP bitmap) { skinBitmap.store(bitmap); }
HBITMAP GetSkinBitmap() { return skinBitmap.load(); }
