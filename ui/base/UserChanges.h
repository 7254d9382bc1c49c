#pragma once
// The value controls of a page that the user changed since the page showed
// its record or wrote it back. A page writes back only those, so that
// looking at a record and leaving the page changes nothing, not even a
// value that a control cannot show as stored.

#include <cstdint>
#include <set>

#include "ui/controls/SpinEditCtrl.h"

class CUserChanges {
public:
    // From here to EndShowing the page fills its controls: their change
    // notes are not the user's.
    void BeginShowing()
    {
        changed_.clear();
        showing_ = true;
    }
    void EndShowing() { showing_ = false; }
    bool IsShowing() const { return showing_; }

    // A control's change note; a page passes the control object or window.
    void Note(const void* control)
    {
        if (!showing_) changed_.insert(control);
    }
    bool Has(const void* control) const { return changed_.count(control) != 0; }
    // A control the page filled again from the record.
    void Forget(const void* control) { changed_.erase(control); }
    // After the page wrote its changes back.
    void Clear() { changed_.clear(); }

    // The spin's value once the user changed it, else stored. Reading a
    // focused spin takes its typed text first, which may note it.
    std::int64_t ValueOr(Halvane::MFC::CSpinEditCtrl& spin, std::int64_t stored) const
    {
        const int value = spin.GetValue();
        return Has(&spin) ? value : stored;
    }

private:
    std::set<const void*> changed_;
    bool showing_ = false;
};
