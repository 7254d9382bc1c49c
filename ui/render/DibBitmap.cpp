#include "ui/render/DibBitmap.h"

#include <algorithm>

#include "database/club/ClubBadge.h"

namespace {

constexpr std::size_t UnsizedLimit = 1000000;

win::CBitmap BitmapOf(const std::unique_ptr<TDibImage>& image)
{
    return image ? CreateBitmapFromDib(*image) : win::CBitmap();
}

}  // namespace

win::CBitmap CreateBitmapFromDib(const TDibImage& image)
{
    const HDC screen = ::GetDC(nullptr);
    if (screen == nullptr) return {};
    const auto* info = reinterpret_cast<const BITMAPINFO*>(image.InfoHeader());
    win::CBitmap bitmap(::CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, image.Pixels(), info, DIB_RGB_COLORS));
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

win::CBitmap LoadTgaBitmapFromMemory(std::span<const std::uint8_t> tga) { return BitmapOf(LoadTgaDibFromMemory(tga)); }

win::CBitmap LoadTgaBitmapFromFile(std::u16string_view path) { return BitmapOf(LoadTgaDibFromFile(path)); }

win::CBitmap LoadTgaBitmapUnsized(std::span<const std::uint8_t> tga)
{
    return LoadTgaBitmapFromMemory(tga.first(std::min(tga.size(), UnsizedLimit)));
}

win::CBitmap LoadBadgeBitmap(const char16_t* name, const CBadgeSources& sources)
{
    return BitmapOf(LoadBadgeDib(name, sources));
}

win::CBitmap LoadClubBadgeBitmap(const TClub* club, const CBadgeSources& sources)
{
    return BitmapOf(LoadClubBadgeDib(club, sources));
}
