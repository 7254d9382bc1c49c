#pragma once
// Persons entered twice (equal last and first names) among the club
// persons of the world, listed as pairs, filtered by country, club or
// equal birth date; either person of a pair can be taken out of his squad.

#include <vector>

#include "editors/player_staff/model/search/DuplicateFinder.h"
#include "ui/base/DialogB.h"
#include "ui/lists/HVListCtrl.h"

class CPlayerDouble : public CDialogB, public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    explicit CPlayerDouble(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.DuplicatePlayers"; }

    // A national team gives no club filter.
    void SetContext(TCountry* country, TClub* club);
    int Compare(int sortType, LPARAM item1, LPARAM item2) override;
    int GetPairCount() const { return static_cast<int>(pairs_.size() / 2); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetRadioCaptions();
    void FindDuplicates();
    void FillList();
    void AddRow(std::size_t first);
    std::u16string ClubText(const DuplicateFinder::TCandidate& candidate) const;
    std::u16string PositionText(const DuplicateFinder::TCandidate& candidate) const;
    std::u16string RemoveText(const DuplicateFinder::TCandidate& candidate);
    int SelectedPair() const;
    void RemovePerson(int which);
    void ShowContextMenu();

    TCountry* country_ = nullptr;
    TClub* club_ = nullptr;
    Halvane::MFC::CHVListCtrl list_;
    std::vector<DuplicateFinder::TCandidate> pairs_;
};
