#pragma once
// An edit that can be locked against typing while the program still sets
// its text.

#include "win/Edit.h"

class CMyEdit : public win::CEdit {
public:
    static constexpr int Locked = 1;
    void SetLocked(int mode) { locked_ = mode == Locked; }
    bool IsLocked() const { return locked_; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool locked_ = false;
};
