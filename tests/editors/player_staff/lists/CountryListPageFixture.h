#pragma once
// A list page of the country editor, standalone in a hidden frame over the
// sample database: the page's entry dialog is answered by control ids.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace country_list_testing {

// ListPage is the page's class; a test names the page's list, a control only
// its entry dialog has, how the page is made and what the country it shows
// needs (the first of the database that fits is shown).
template <class ListPage>
class CountryListPageFixture : public testing::Test {
protected:
    using PageFactory = std::unique_ptr<ListPage> (*)(HWND frame);
    using CountryTest = bool (*)(TCountry& country);

    CountryListPageFixture(std::u16string_view folderName, int listId, int entryDialogControlId, PageFactory createPage,
                           CountryTest fits)
        : folder_(folderName, true),
          listId_(listId),
          entryDialogControlId_(entryDialogControlId),
          createPage_(createPage),
          fits_(fits)
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        globals_->App().SetFoldersFromWorkingFolder();
        LoadWorld();
        frame_ = ::CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPED | WS_CAPTION, 0, 0, 700, 450, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(frame_, nullptr);
        page_ = createPage_(frame_);
        ASSERT_NE(page_, nullptr);
        country_ = FirstCountryThatFits();
        ASSERT_NE(country_, nullptr);
        page_->FillList(country_);
    }
    void TearDown() override
    {
        page_.reset();
        if (frame_ != nullptr) ::DestroyWindow(frame_);
        GetWorldList().Clear();
    }
    void LoadWorld()
    {
        GetWorldList().Clear();
        TCompleteWorld* world = GetWorldList().CreateCompleteWorld();
        GetWorldList().SetCurrentWorld(world);
        ASSERT_TRUE(world->LoadWorld(folder_.Path() + u"\\Database"));
    }
    // Opens the entry dialog on every row and confirms it unchanged, then
    // saves: the country's file must come out as it was.
    void ConfirmEveryRowUnchangedAndSave(int editButtonId)
    {
        const std::u16string path = GetWorld()->GetCountryFilePath(country_->GetId());
        const std::vector<std::uint8_t> before = testing_support::ReadBytes(path);
        for (int row = 0; row < Rows(); ++row) {
            SelectRow(row);
            ASSERT_TRUE(ClickAnswering(editButtonId, [](HWND dialog) { Press(dialog, IDOK); })) << row;
        }
        ASSERT_TRUE(GetWorld()->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
        EXPECT_EQ(testing_support::ReadBytes(path), before);
    }
    // Saves the world and loads it afresh; the shown country as loaded, or
    // null when the save or the load failed.
    TCountry* SaveAndReload()
    {
        const int countryId = country_->GetId();
        if (!GetWorld()->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved) {
            ADD_FAILURE() << "the world was not saved";
            return nullptr;
        }
        page_->FillList(nullptr);
        country_ = nullptr;
        LoadWorld();
        return HasFatalFailure() ? nullptr : GetWorld()->GetCountry(countryId);
    }
    HWND Page() const { return page_->Handle(); }
    int Rows() const { return static_cast<int>(::SendDlgItemMessageW(Page(), listId_, LVM_GETITEMCOUNT, 0, 0)); }
    void SelectRow(int row) const
    {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendDlgItemMessageW(Page(), listId_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendDlgItemMessageW(Page(), listId_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    void Click(int id) const { ::SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(Page(), id))); }
    // Clicks the page's button; answer acts in the entry dialog once it is
    // open, after the dialog's picture is written to screenshot when one is
    // named. False when no dialog opened.
    bool ClickAnswering(int buttonId, const std::function<void(HWND)>& answer, const char* screenshot = nullptr)
    {
        bool answered = false;
        gui_test::ModalDriver driver([&] {
            HWND dialog = app_test::FindDialogWith(entryDialogControlId_);
            if (dialog == nullptr || answered) return answered;
            answered = true;
            if (screenshot != nullptr) {
                ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                testing_support::WriteBytes(testing_support::PicturePath(std::u16string(screenshot, screenshot + std::char_traits<char>::length(screenshot))),
                                            gui_test::CaptureWindow(dialog));
            }
            answer(dialog);
            return true;
        }, 5000);
        Click(buttonId);
        return answered;
    }
    static void Type(HWND dialog, int id, const wchar_t* text) { ::SetDlgItemTextW(dialog, id, text); }
    static void Press(HWND dialog, int id) { ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

    app_test::WorkingFolder folder_;
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    HWND frame_ = nullptr;
    std::unique_ptr<ListPage> page_;
    TCountry* country_ = nullptr;

private:
    int listId_;
    int entryDialogControlId_;
    PageFactory createPage_;
    CountryTest fits_;

    TCountry* FirstCountryThatFits() const
    {
        for (int id = 1; id <= 206; ++id) {
            TCountry* country = GetWorld()->GetCountry(id);
            if (fits_(*country)) return country;
        }
        return nullptr;
    }
};

}  // namespace country_list_testing
