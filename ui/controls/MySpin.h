#pragma once
#include "win/SpinButtonCtrl.h"

// An up-down control whose position is read as 16 bits.
class CMySpin : public win::CSpinButtonCtrl {
public:
    int GetPos() const { return GetPos32() & 0xFFFF; }
};
