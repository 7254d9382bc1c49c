#pragma once
// The country editor's "Manager" tab: the country's additional managers in
// a list on the left, the chosen one's common data and abilities on the
// right. Every tab change, a person switch and the country frame's store
// write the visible right page back into the person, so no edit is lost.

#include <memory>

#include "editors/country_club/country/CountryHostedPages.h"
#include "editors/player_staff/staff/DlgLandManagerList.h"
#include "ui/skin/MyTabCtrl.h"

class CDlgLandManagerAbilities;
class CDlgLandPlayerAllRight;
class CPersonPage;
class TPerson;

class CDlgManagAll : public CCountryListPage {
public:
    enum PageKind { CommonPage = 1, AbilitiesPage = 3 };

    explicit CDlgManagAll(HWND parent = nullptr);
    ~CDlgManagAll() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.ManagAll"; }

    void FillList(TCountry* country) override;
    void StoreCountry() override;
    TPerson* GetCurrentPerson() const { return person_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void CreateRightPage(CPersonPage& page, int tab, TextKey title);
    CPersonPage* RightPage(int tab) const;
    void ShowPerson();
    void StorePerson(int tab);
    void RefreshList();
    void RunDuplicateFinder();
    void RunSearch();

    CMyTabCtrl listTabs_;
    CMyTabCtrl pageTabs_;
    TCountry* country_ = nullptr;
    std::unique_ptr<CDlgLandPlayerAllRight> common_;
    std::unique_ptr<CDlgLandManagerAbilities> abilities_;
    CDlgLandManagerList list_;
    TPerson* person_ = nullptr;
    int currentPage_ = 0;
};

std::unique_ptr<CCountryListPage> CreateManagerPage(HWND frame);
