#pragma once
// The sample database loaded into a current world, and the country editor's
// windows driven by their control ids.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "tests/app/AppTestSupport.h"

class CDlgLandParent;
class TCountry;

namespace country_editor_testing {

class SampleCountryTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TCountry& Country(int id);

    app_test::WorkingFolder folder_{u"country", true};
    std::unique_ptr<CGlobalObjects> globals_;
};

std::u16string Text(HWND dialog, int id);
void SetText(HWND dialog, int id, const char16_t* text);
// Types into the edit as a user would, character by character.
void Type(HWND dialog, int id, const char16_t* text);
void Click(HWND dialog, int id);
// Tells the dialog that its control sent the notification code.
void Command(HWND dialog, int id, int code);
// The test's next answer to a question of the dialog, taken off the list;
// 2 (close) once the list is used up, 1 stays.
INT_PTR TakeAnswer(std::vector<INT_PTR>& answers);
// Selects the combo's item with that data and tells the dialog.
void ChooseByData(HWND dialog, int id, LPARAM data);
LPARAM SelectedData(HWND dialog, int id);
// Sets a spin edit's text and tells the dialog the edit changed.
void SetSpin(HWND dialog, int id, int value);
// Switches the tab control of the frame as a click would.
void SwitchTab(HWND frame, int tabControl, int tab);
// The tab of the country editor whose page has the code; -1 when none has.
int TabWithCode(const CDlgLandParent& frame, int code);
// The page the country editor shows.
HWND ShownPage(HWND frame);
// The country's sections as its file holds them, written into the folder.
std::string CountryBytes(TCountry& country, const std::u16string& folder);

}  // namespace country_editor_testing
