#pragma once
// The country editor's pool, referee and staff tabs show pages of the
// player and staff editors, which build on this library and not the other way round:
// they hand the frame their page factories at start. A tab without a
// factory is left out.

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/base/DialogB.h"

class TCountry;

// A page the country frame shows on a tab and refills from the country
// whenever the tab is shown; its changes reach the country at once, but for
// what an open person page holds, which it writes back when the frame stores
// it (leaving the tab, OK).
class CCountryListPage : public CDialogB {
public:
    using CDialogB::CDialogB;
    // Remembers the country (null shows nothing) and refills the list.
    virtual void FillList(TCountry* country) = 0;
    virtual void StoreCountry() {}
};

struct TCountryHostedPages {
    // Each creates its page as a child of the window given; null when the
    // page could not be created.
    using Factory = std::function<std::unique_ptr<CCountryListPage>(HWND parent)>;
    Factory createPlayerpoolPage;
    Factory createRefereesPage;
    Factory createManagerPage;
};

TCountryHostedPages& GetCountryHostedPages();
