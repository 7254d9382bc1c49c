#pragma once
// Up to 32 check boxes whose value is a bit mask (bit i = box i checked).

#include "ui/controls/ButtonGroupCtrl.h"

namespace Halvane::MFC {

class CCheckGroupCtrl : public CButtonGroupCtrl {
public:
    static constexpr int MaxBoxes = 32;
    CCheckGroupCtrl() : CButtonGroupCtrl(BS_AUTOCHECKBOX, MaxBoxes, 0) {}

    bool Create(const char16_t* const* texts, int count, int columns) { return CreateButtons(texts, count, columns); }
    bool GetCheck(int index) const { return IsChecked(index); }
    unsigned GetValue() const { return static_cast<unsigned>(ComputeValue()); }
    void SetCheck(int index, bool checked);

protected:
    int ComputeValue() const override;
};

}  // namespace Halvane::MFC
