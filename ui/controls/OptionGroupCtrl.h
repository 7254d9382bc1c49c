#pragma once
// Option buttons of which one is chosen; the value is its index, -1 for none.

#include <climits>

#include "ui/controls/ButtonGroupCtrl.h"

namespace Halvane::MFC {

class COptionGroupCtrl : public CButtonGroupCtrl {
public:
    COptionGroupCtrl() : CButtonGroupCtrl(BS_AUTORADIOBUTTON, INT_MAX, -1) {}

    bool Create(const char16_t* const* texts, int count, int columns) { return CreateButtons(texts, count, columns); }
    int GetSelection() const { return ComputeValue(); }
    void SetSelection(int index);

protected:
    int ComputeValue() const override;
};

}  // namespace Halvane::MFC
