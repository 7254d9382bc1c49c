#pragma once
// The shirt number board of one team of a club: numbers 1 to 99 in three
// lists; dragging a player onto a number gives it to him, and whoever wore
// it takes his old one.

#include <array>
#include <cstdint>
#include <memory>

#include "ui/base/DialogB.h"
#include "ui/skin/DragCtrl.h"
#include "ui/controls/MyListBox.h"

class ShirtNumberBoard;
class TClub;

class CDlgShirtNo : public CDialogB {
public:
    explicit CDlgShirtNo(HWND parent = nullptr);
    ~CDlgShirtNo() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.ShirtNumbers"; }

    void SetTeam(bool firstTeam, TClub* club);

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct THit {
        int list = -1;
        int row = -1;
    };
    void Fill();
    THit HitTest(POINT inDialog) const;
    void OnLeftButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLeftButtonUp(POINT point);

    std::array<CMyListBox, 3> lists_;
    CDragCtrl dragLabel_;
    std::unique_ptr<ShirtNumberBoard> board_;
    bool firstTeam_ = true;
    TClub* club_ = nullptr;
    std::uint32_t draggedId_ = 0;
    bool dragging_ = false;
};
