#pragma once
// The player part of the person common page: shirt number, talent, hero
// value, the positions with their ratings and the notes.

#include "ui/base/DialogB.h"

class TPerson;

class CDlgPlayerAllRightSmall : public CDialogB {
public:
    static constexpr int HeroCount = 10;

    explicit CDlgPlayerAllRightSmall(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.RightSmall"; }

    void SetPerson(TPerson* person);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillPositions(int listId, int firstSlot, int lastSlot, bool reduced);
    void ShowReducedCaption();

    TPerson* person_ = nullptr;
};
