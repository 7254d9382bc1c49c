#pragma once
// A page of the person tabs of the squad window or of the country editor's
// staff tab: it shows one person (or none) and writes its controls back
// into him when the frame asks. Its requests go to its parent, the tab
// control, which hands them on to the frame.

#include "ui/base/DialogB.h"

class TClub;
class TPerson;

class CPersonPage : public CDialogB {
public:
    using CDialogB::CDialogB;

    virtual void SetPerson(TPerson* person, TClub* club) = 0;
    virtual void ApplyToPerson() = 0;

protected:
    // Has the frame write this page back.
    void RequestStore() const;
    // Has the frame follow the person's changed list row or team part.
    void RequestListUpdate() const;
};
