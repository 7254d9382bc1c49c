#include "editors/player_staff/squad/PersonPage.h"

#include "ui/skin/MyTabCtrl.h"

void CPersonPage::RequestStore() const
{
    ::SendMessageW(GetParent(), CMyTabCtrl::PageLeaveRequest, 0, 0);
}

void CPersonPage::RequestListUpdate() const
{
    ::SendMessageW(GetParent(), CMyTabCtrl::UpdateListMessage(), 0, 0);
}
