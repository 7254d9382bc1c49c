#pragma once
// One continent's page of the continent editor: the titles of its club cups
// in the database language, their title defenders and final hosts, and on
// the European page the assessment and fairness buttons.

#include "ui/base/DialogB.h"
#include "win/Edit.h"

class CDlgContinentFrame;

class CDlgContinentCompetition : public CDialogB {
public:
    static constexpr int Cups = 3;
    static constexpr int TitleLimit = 29;

    CDlgContinentCompetition(int continent, CDlgContinentFrame& frame);
    const char16_t* GetTextKeyPrefix() const override;
    int GetContinent() const { return continent_; }
    // Writes the shown cups' title edits into the frame's rules copy.
    void StoreTitles();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ShowLayout();
    void ShowCup(int cup);
    void ShowTeams(int cup);
    void ChooseDefender(int cup);
    void ChooseStadium(int cup);

    int continent_;
    CDlgContinentFrame& frame_;
    win::CEdit titles_[Cups];
};
