// The country editor's referee page, standalone in a hidden frame over the
// sample database: the referee dialog is answered by control ids.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/LedraApp.h"
#include "database/CompleteWorld.h"
#include "database/EnumTexts.h"
#include "database/WorldList.h"
#include "editors/player_staff/DlgReferees.h"
#include "resources/NationalPoolIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

class RefereePage : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(globals_->App().InitLanguageAndTexts());
        globals_->App().SetFoldersFromWorkingFolder();
        LoadWorld();
        frame_ = ::CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPED | WS_CAPTION, 0, 0, 700, 450, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(frame_, nullptr);
        page_ = CreateRefereesPage(frame_);
        ASSERT_NE(page_, nullptr);
        country_ = CountryWithReferees();
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
    static TCountry* CountryWithReferees()
    {
        for (int id = 1; id <= 206; ++id) {
            TCountry* country = GetWorld()->GetCountry(id);
            if (country->GetReferees().GetCount() >= 3) return country;
        }
        return nullptr;
    }
    HWND Page() const { return page_->Handle(); }
    int Rows() const { return static_cast<int>(::SendDlgItemMessageW(Page(), IDC_REFEREES_LIST, LVM_GETITEMCOUNT, 0, 0)); }
    std::u16string Text(int row, int column) const
    {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        ::SendDlgItemMessageW(Page(), IDC_REFEREES_LIST, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return std::u16string(reinterpret_cast<const char16_t*>(text));
    }
    void SelectRow(int row) const
    {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendDlgItemMessageW(Page(), IDC_REFEREES_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendDlgItemMessageW(Page(), IDC_REFEREES_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    void Click(int id) const { ::SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(Page(), id))); }
    // Clicks the page's button; answer acts in the referee dialog once it is
    // open. False when no dialog opened.
    bool ClickAnswering(int buttonId, const std::function<void(HWND)>& answer, const char* screenshot = nullptr)
    {
        bool answered = false;
        gui_test::ModalDriver driver([&] {
            HWND dialog = app_test::FindDialogWith(IDC_REFEREE_FIRST_NAME);
            if (dialog == nullptr || answered) return answered;
            answered = true;
            if (screenshot != nullptr) {
                ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                testing_support::WriteBytes(testing_support::BinaryPath(std::u16string(screenshot, screenshot + std::char_traits<char>::length(screenshot))),
                                            gui_test::CaptureWindow(dialog));
            }
            answer(dialog);
            return true;
        }, 3000);
        Click(buttonId);
        return answered;
    }
    static void Type(HWND dialog, int id, const wchar_t* text) { ::SetDlgItemTextW(dialog, id, text); }
    static void Press(HWND dialog, int id) { ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

    app_test::WorkingFolder folder_{u"referees", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    HWND frame_ = nullptr;
    std::unique_ptr<CDlgReferees> page_;
    TCountry* country_ = nullptr;
};

TEST_F(RefereePage, ANewRefereeWithTypedNamesAndTypeFourIsListed)
{
    const int count = country_->GetReferees().GetCount();
    ASSERT_EQ(Rows(), count);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Anna");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Zyskowska");
        Press(dialog, 1373);
        Press(dialog, IDOK);
    }, "tests\\editors\\player_staff\\referee-change.bmp"));
    ASSERT_EQ(Rows(), count + 1);
    int found = -1;
    for (int row = 0; row < Rows(); ++row) {
        if (Text(row, 0) == u"Zyskowska, A.") found = row;
    }
    ASSERT_GE(found, 0);
    EXPECT_EQ(Text(found, 1), std::u16string(GetEnumTexts().GetRefereeTypeName(4)));
    EXPECT_EQ(::SendDlgItemMessageW(Page(), IDC_REFEREES_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), found)
        << "the new referee is selected";
    ::RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::ShowWindow(frame_, SW_SHOWNOACTIVATE);
    ::ShowWindow(Page(), SW_SHOWNOACTIVATE);
    ::RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_support::WriteBytes(testing_support::BinaryPath(u"tests\\editors\\player_staff\\referees.bmp"), gui_test::CaptureWindow(frame_));
}

TEST_F(RefereePage, ACancelledOrHalfNamedNewRefereeLeavesTheMapAsItWas)
{
    std::vector<int> ids;
    for (const auto& entry : country_->GetReferees()) ids.push_back(entry.first);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Anna");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Kurz");
        Press(dialog, IDCANCEL);
    }));
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Anna");
        Press(dialog, IDOK);
    }));
    std::vector<int> after;
    for (const auto& entry : country_->GetReferees()) after.push_back(entry.first);
    EXPECT_EQ(after, ids);
    EXPECT_EQ(Rows(), static_cast<int>(ids.size()));
}

TEST_F(RefereePage, TheTwoHundredFiftySeventhRefereeIsRefused)
{
    TRefereeMap& referees = country_->GetReferees();
    while (referees.GetCount() < TRefereeMap::MaxCount) {
        TReferee referee;
        referee.SetNames(u"A", u"B");
        referees.Add(referee);
    }
    page_->FillList(country_);
    EXPECT_FALSE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) { Press(dialog, IDCANCEL); }));
    EXPECT_EQ(referees.GetCount(), TRefereeMap::MaxCount);
    EXPECT_EQ(Rows(), TRefereeMap::MaxCount);
}

TEST_F(RefereePage, DeletingFreesTheIdAndEditingKeepsEmptyNames)
{
    const int firstId = country_->GetReferees().begin()->first;
    int row = page_->GetReferees().FindRow(firstId);
    ASSERT_GE(row, 0);
    SelectRow(row);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_EDIT, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"");
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(country_->GetReferees().Find(firstId)->GetFirstName()[0], 0) << "an edited referee keeps an empty name";
    row = page_->GetReferees().FindRow(firstId);
    SelectRow(row);
    Click(IDC_REFEREES_DELETE);
    EXPECT_EQ(country_->GetReferees().Find(firstId), nullptr);
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Ida");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Berg");
        Press(dialog, IDOK);
    }));
    ASSERT_NE(country_->GetReferees().Find(firstId), nullptr) << "the freed id is given again";
    EXPECT_EQ(std::u16string(country_->GetReferees().Find(firstId)->GetLastName()), u"Berg");
}

TEST_F(RefereePage, ATypeAboveSixChecksNoButtonAndIsKept)
{
    const RefereeRow row = page_->GetReferees().GetRows()[0];
    row.referee->SetType(9);
    page_->FillList(country_);
    SelectRow(page_->GetReferees().FindRow(row.id));
    int checked = 0;
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_EDIT, [&](HWND dialog) {
        for (int id = IDC_REFEREE_TYPE_FIRST; id <= IDC_REFEREE_TYPE_LAST; ++id) checked += ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(country_->GetReferees().Find(row.id)->GetType(), 9);
}

TEST_F(RefereePage, EveryRefereeConfirmedUnchangedSavesTheSameFile)
{
    const std::u16string path = GetWorld()->GetCountryFilePath(country_->GetId());
    const std::vector<std::uint8_t> before = testing_support::ReadBytes(path);
    for (int row = 0; row < Rows(); ++row) {
        SelectRow(row);
        ASSERT_TRUE(ClickAnswering(IDC_REFEREES_EDIT, [](HWND dialog) { Press(dialog, IDOK); })) << row;
    }
    ASSERT_TRUE(GetWorld()->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
    EXPECT_EQ(testing_support::ReadBytes(path), before);

    // A new referee survives the save and a fresh load with every field.
    ASSERT_TRUE(ClickAnswering(IDC_REFEREES_NEW, [](HWND dialog) {
        Type(dialog, IDC_REFEREE_FIRST_NAME, L"Maximilianusxyzw");
        Type(dialog, IDC_REFEREE_LAST_NAME, L"Łukasiewicz");
        Press(dialog, 1375);
        Press(dialog, IDOK);
    }));
    const int countryId = country_->GetId();
    int newId = 0;
    for (const auto& entry : country_->GetReferees()) {
        if (std::u16string(entry.second.GetLastName()) == u"Łukasiewicz") newId = entry.first;
    }
    ASSERT_NE(newId, 0);
    ASSERT_TRUE(GetWorld()->SaveWorld({}, TCompleteWorld::DamagedFiles::Keep).saved);
    page_->FillList(nullptr);
    LoadWorld();
    const TReferee* loaded = GetWorld()->GetCountry(countryId)->GetReferees().Find(newId);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(std::u16string(loaded->GetFirstName()), u"Maximilianusxyz") << "15 characters kept";
    EXPECT_EQ(std::u16string(loaded->GetLastName()), u"Łukasiewicz");
    EXPECT_EQ(loaded->GetType(), 6);
}

}  // namespace
