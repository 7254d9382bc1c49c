#pragma once
// Which clubs play in which league of a country: the leagues, the clubs of
// the chosen league with their promotion and cup marks, and the clubs in no
// league. Clubs are dragged between the lists, marked through the club
// list's context menu, cleared, or refreshed from a saved country file.
// Every change goes into the records at once; OK warns of short leagues and
// of reserve teams where none may play.

#include <array>
#include <memory>
#include <string>

#include "editors/country_club/model/competition/LeagueCompositionModel.h"
#include "editors/country_club/model/competition/LeagueCopy.h"
#include "tools/report/ReportModel.h"
#include "ui/base/DialogB.h"
#include "ui/skin/DragCtrl.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/controls/MyListBox.h"
#include "ui/skin/MyStaticControl.h"

class CDBLeagueBase;
class TCompleteWorld;
class TCountry;

// The copy from a saved country file, run by the report window.
class CCopyLeagueHandler : public ICommonReportHandler {
public:
    CCopyLeagueHandler(CDBLeagueBase& league, std::u16string path);
    void Run(CReportModel& report) override;

private:
    CDBLeagueBase& league_;
    TCompleteWorld* world_;
    std::u16string path_;
    TLeagueCopyTexts texts_;
};

class CDlgLeague : public CDialogB {
public:
    CDlgLeague(HWND parent, TCountry* country);
    ~CDlgLeague() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.LeagueComposition"; }
    TLeagueComposition* GetModel() const { return model_.get(); }
    bool IsDragging() const { return dragging_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // 1 keeps the dialog open, 2 closes it; tests answer it themselves.
    virtual INT_PTR AskAboutProblems(const std::u16string& lines, int count);
    // Shows the club list's context menu; its commands arrive as WM_COMMAND.
    virtual void ShowMarkMenu(HMENU menu);

private:
    struct THit {
        const CMyListBox* list = nullptr;
        int row = -1;
    };
    TLeagueCompositionTexts CompositionTexts();
    THit HitTest(POINT inDialog) const;
    void FillLists();
    void FillLeagues();
    void FillClubList();
    void FillFreeList();
    void ShowInfo();
    void StartDrag(std::uint32_t team);
    void EndDrag();
    void OnLeftButtonDown(POINT point);
    void OnLeftButtonUp(POINT point);
    void OnRightButtonDown(POINT point);
    void OnMark(int command);
    void OnFreeClubChosen();
    void OnLeagueChosen();
    void OnUpdateClubs();
    static std::uint32_t RowData(const CMyListBox& list, int row);

    TCountry* country_;
    std::unique_ptr<TLeagueComposition> model_;
    CMyListBox leagues_;
    CMyListBox clubs_;
    CMyListBox free_;
    std::array<CMyGroupBox, 4> groups_;
    CMyStaticControl info_;
    CDragCtrl dragLabel_;
    std::u16string infoTemplate_;
    std::u16string fileName_;
    bool dragging_ = false;
    bool filling_ = false;
    std::uint32_t draggedTeam_ = 0;
    std::uint32_t menuTeam_ = 0;
};
