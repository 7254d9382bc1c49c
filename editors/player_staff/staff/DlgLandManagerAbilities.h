#pragma once
// The country editor's abilities page of an additional manager: the
// squad window's abilities, languages and character, here written into
// the person as soon as the character is chosen; its two scroll bars are
// written at once as the abilities' arrows are.

#include "editors/player_staff/staff/DlgManagerAbilities.h"

class CDlgLandManagerAbilities : public CDlgManagerAbilities {
public:
    explicit CDlgLandManagerAbilities(HWND parent = nullptr);

protected:
    bool OnCommand(int id, int code, HWND control) override;
};
