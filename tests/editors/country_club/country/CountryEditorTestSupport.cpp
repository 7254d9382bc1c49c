#include <gtest/gtest.h>

#include "CountryEditorTestSupport.h"

#include <commctrl.h>

#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"
#include "database/country/CountryFile.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "editors/country_club/country/CountryHostedPages.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "editors/player_staff/lists/DlgPlayerWithoutClub.h"
#include "editors/player_staff/lists/NationalPoolLaunchers.h"
#include "platform/Platform.h"
#include "resources/CountryEditorIds.h"
#include "tests/common/TestSupport.h"
#include "win/WideText.h"

namespace country_editor_testing {

void SampleCountryTest::SetUp()
{
    globals_ = std::make_unique<CGlobalObjects>();
    ASSERT_NE(app_test::StartOverWorkingFolder(globals_->App()), nullptr);
    // The pool and referee tabs as the program shows them.
    TMainWindowLaunchers launchers;
    RegisterNationalPoolEditors(launchers);
}

void SampleCountryTest::TearDown()
{
    GetCountryHostedPages() = TCountryHostedPages{};
    CDlgPlayerWithoutClub::SetClubChooser(nullptr);
    TWorldList& worlds = GetWorldList();
    worlds.Clear();
    globals_.reset();
}

TCountry& SampleCountryTest::Country(int id) { return *GetWorld()->GetCountry(id); }

std::u16string Text(HWND dialog, int id)
{
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(dialog, id, text, 1024);
    return win::U(text);
}

void SetText(HWND dialog, int id, const char16_t* text) { ::SetDlgItemTextW(dialog, id, win::W(text)); }

void Type(HWND dialog, int id, const char16_t* text)
{
    HWND edit = ::GetDlgItem(dialog, id);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    ::SendMessageW(edit, WM_CLEAR, 0, 0);
    for (const char16_t* c = text; *c != 0; ++c) ::SendMessageW(edit, WM_CHAR, *c, 1);
}

void Click(HWND dialog, int id) { ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Command(HWND dialog, int id, int code)
{
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

INT_PTR TakeAnswer(std::vector<INT_PTR>& answers)
{
    if (answers.empty()) return 2;
    const INT_PTR answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

void ChooseByData(HWND dialog, int id, LPARAM data)
{
    HWND combo = ::GetDlgItem(dialog, id);
    const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (::SendMessageW(combo, CB_GETITEMDATA, i, 0) != data) continue;
        ::SendMessageW(combo, CB_SETCURSEL, i, 0);
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        return;
    }
    ADD_FAILURE() << "no item " << data << " in combo " << id;
}

LPARAM SelectedData(HWND dialog, int id)
{
    HWND combo = ::GetDlgItem(dialog, id);
    const LRESULT index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : ::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

void SetSpin(HWND dialog, int id, int value)
{
    // A spin edit takes its typed text when the edit loses the focus.
    const std::wstring digits = std::to_wstring(value);
    HWND edit = ::GetDlgItem(dialog, id);
    ::SetWindowTextW(edit, digits.c_str());
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
}

void SwitchTab(HWND frame, int tabControl, int tab)
{
    HWND tabs = ::GetDlgItem(frame, tabControl);
    NMHDR header{tabs, static_cast<UINT_PTR>(tabControl), static_cast<UINT>(TCN_SELCHANGING)};
    ::SendMessageW(frame, WM_NOTIFY, static_cast<WPARAM>(tabControl), reinterpret_cast<LPARAM>(&header));
    ::SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    ::SendMessageW(frame, WM_NOTIFY, static_cast<WPARAM>(tabControl), reinterpret_cast<LPARAM>(&header));
}

int TabWithCode(const CDlgLandParent& frame, int code)
{
    const int count = static_cast<int>(::SendDlgItemMessageW(frame.Handle(), IDC_COUNTRY_TABS, TCM_GETITEMCOUNT, 0, 0));
    for (int tab = 0; tab < count; ++tab) {
        if (frame.GetPageCode(tab) == code) return tab;
    }
    return -1;
}

HWND ShownPage(HWND frame)
{
    HWND tabs = ::GetDlgItem(frame, IDC_COUNTRY_TABS);
    for (HWND child = ::GetWindow(tabs, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) return child;
    }
    return nullptr;
}

std::string CountryBytes(TCountry& country, const std::u16string& folder)
{
    const std::u16string path = platform::JoinPath(folder, u"country-bytes.txt");
    BuildGameIdMaps(GetGameIdMaps());
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenWrite(path) && WriteCountrySections(country, file) && file.Close());
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace country_editor_testing
