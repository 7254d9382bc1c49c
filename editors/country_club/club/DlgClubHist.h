#pragma once
// The club editor's history page: league statistics of the first and the
// second league, the years of titles won and the record results. Only what
// the user changed is written back.

#include <array>
#include <cstdint>
#include <string>

#include "ui/base/DialogB.h"

class TClub;

class CDlgClubHist : public CDialogB {
public:
    explicit CDlgClubHist(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.History"; }

    void LoadClub(TClub* club);
    void StoreClub();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    static constexpr int Sets = 2;
    static constexpr int SetValues = 7;
    static constexpr int YearLists = 8;
    static constexpr int Records = 5;

    using TSetTexts = std::array<std::u16string, SetValues>;

    struct TShown {
        std::array<TSetTexts, Sets> sets;
        std::array<std::u16string, YearLists> years;
        std::array<std::array<std::u16string, 3>, Records> records;
        bool operator==(const TShown&) const = default;
    };

    int CheckedSet() const;
    void ShowSet(int set);
    void KeepSet(int set);
    void SwitchSet(int set);
    void NormaliseYears(int id);
    TShown ReadShown();
    // Writes what differs from the set as loaded or last written.
    void StoreSet(int set, const TSetTexts& texts);

    TClub* club_ = nullptr;
    int set_ = 0;
    // The texts of both sets: the one on display is read from its edits.
    std::array<TSetTexts, Sets> setTexts_;
    TShown loaded_;
    bool loading_ = false;
};
