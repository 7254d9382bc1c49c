#pragma once
// Picks a club badge among every 256-pixel badge on disk and in the badge
// archive, grouped by folder and shown by country.

#include <optional>
#include <string>

#include "editors/country_club/model/club/BadgeGroups.h"
#include "ui/base/DialogB.h"
#include "ui/render/ImageCtrl.h"
#include "win/ComboBox.h"
#include "win/ListBox.h"

class CDlgClubBadgeManage : public CDialogB {
public:
    explicit CDlgClubBadgeManage(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.BadgeSelect"; }

    void SetStartPath(std::u16string path) { startPath_ = std::move(path); }
    // After OK: the path for the club, empty for "no badge"; none when no
    // badge was chosen, so the club keeps its own.
    const std::optional<std::u16string>& GetChosenPath() const { return chosen_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    const TBadgeGroup* SelectedGroup() const;
    const TBadgeEntry* SelectedEntry() const;
    bool IsNoBadgeSelected() const;
    void FillList();
    void ShowPreview();

    std::u16string startPath_;
    CBadgeGroups groups_;
    std::optional<std::u16string> chosen_;
    win::CComboBox groupCombo_;
    win::CListBox list_;
    CImageCtrl preview_;
};
