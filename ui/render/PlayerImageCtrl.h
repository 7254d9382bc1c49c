#pragma once
// A player as a 2D portrait picture (read by the renderer plug-in's image
// reader, drawn with its alpha) or as a 3D head drawn by the plug-in.
// Without the renderer it shows nothing.

#include <windows.h>

#include <string>
#include <vector>

#include "database/person/PlayerPortrait.h"
#include "ui/skin/PaintedStatic.h"
#include "ui/render/RendererPlugin.h"

class CRenderManager;
class TClub;

class CPlayerImageCtrl : public CPaintedStatic {
public:
    enum Mode { None = 0, Portrait = 1, Head = 2 };
    static constexpr std::uint32_t Background = 0xFFC8C8D0u;
    static constexpr TRendererRect HeadArea = {128, 0, 768, 768};
    static constexpr RECT PictureSquare = {17, 8, 17 + 160, 8 + 160};

    // Without a manager or picture index the process-wide ones are used.
    explicit CPlayerImageCtrl(CRenderManager* renderer = nullptr, const CPortraitArchiveIndex* pictures = nullptr)
        : renderer_(renderer), pictures_(pictures)
    {
    }
    ~CPlayerImageCtrl() override;

    // Person and club are not owned; either may be null.
    void SetPlayer(const TPortraitPerson* person, const TPortraitHead* head, const TClub* club);
    void SetMode(Mode mode);
    Mode GetMode() const { return mode_; }
    void Refresh();
    bool HasBitmap() const { return bitmap_ != nullptr; }
    bool HasBitmapOfSize(int width, int height) const;
    std::u16string GetPortraitPath(bool check) const;

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint() override;

private:
    IRendererPlugin* Plugin() const;
    void DeleteBitmap();
    void LoadPortrait();
    HBITMAP ReadPicture(IRendererPlugin& plugin, const std::u16string& path) const;
    static bool ReadPixels(IRendererPlugin& plugin, IRendererImageReader& reader, std::vector<std::uint32_t>& pixels);
    static HBITMAP CreatePortraitBitmap(const std::vector<std::uint32_t>& pixels, std::int32_t width, std::int32_t height);
    void RenderHead();

    CRenderManager* renderer_;
    const CPortraitArchiveIndex* pictures_;
    const TPortraitPerson* person_ = nullptr;
    const TPortraitHead* head_ = nullptr;
    const TClub* club_ = nullptr;
    Mode mode_ = None;
    HBITMAP bitmap_ = nullptr;
    THeadOptions options_{};
    TKitBlock kit_{};
};
