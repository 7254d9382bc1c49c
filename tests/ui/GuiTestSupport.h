#pragma once
// Shared helpers of the dialog tests: a text store of test keys, a dialog
// class for the test templates, the fixture of the control tests, templates
// with changed styles, and a driver that acts from inside a modal loop.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/text/TextManager.h"
#include "tests/ui/GalleryIds.h"
#include "ui/base/DialogB.h"
#include "win/ComboBox.h"

namespace gui_test {

// Loads the tests' own keys into the text store, English.
void LoadTestTexts();

class TestDialog : public CDialogB {
public:
    explicit TestDialog(UINT templateId, HWND parent = nullptr) : CDialogB(templateId, parent) {}
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Test"; }
    using CDialogB::OnCtlColor;
};

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The gallery: one control of each kind. It records the messages a test
// watches (what its controls send their parent) and answers them with answer.
class GalleryDialog : public TestDialog {
public:
    GalleryDialog() : TestDialog(IDD_GALLERY) {}
    std::vector<UINT> watched;
    std::vector<Received> received;
    LRESULT answer = 1;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// The fixture of the control tests: the test texts and an open gallery,
// shown without taking the activation.
class GalleryTest : public testing::Test {
protected:
    void SetUp() override;
    static void Redraw(HWND window);
    static COLORREF Pixel(HWND window, int x, int y);
    static std::vector<LPARAM> ItemData(const win::CComboBox& combo);

    GalleryDialog gallery_;
};

// A copy of a template resource with style bits swapped.
std::vector<BYTE> LoadTemplateWithStyle(UINT templateId, DWORD remove, DWORD add);

std::u16string WindowText(HWND window);
std::u16string ItemText(HWND dialog, int id);
// The text of a button that breaks its lines itself, its breaks as blanks.
std::u16string ItemTextOnOneLine(HWND dialog, int id);
// The choices of a combo box, in list order.
std::vector<std::u16string> ComboTexts(HWND dialog, int id);
// The text of a list view's cell.
std::u16string CellText(HWND list, int row, int column);
// The part edits of a date control: day, month, year.
std::vector<HWND> DateParts(HWND dialog, int id);

// Handles every message waiting for this thread.
void PumpMessages();

// Calls step every 20 ms from the message loop of this thread (the modal
// loops included) until it returns true. After the time-out it marks the
// run failed, writes the process's open windows to the test's output, and
// from then on at every tick answers every message box of the process and
// ends every dialog of the thread, so a stuck test ends instead of holding
// its turn until ctest gives up on it.
class ModalDriver {
public:
    explicit ModalDriver(std::function<bool()> step, unsigned timeoutMs = 10000);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;
    bool TimedOut() const;

private:
    UINT_PTR timer_;
};

// Runs the modal dialog: act runs once inside its loop, as soon as the
// dialog is shown, and Cancel ends it afterwards unless act ended it.
// Returns the dialog's result.
INT_PTR RunModal(win::CDialog& dialog, const std::function<void(HWND)>& act);

// A bitmap's pixels as 24-bit bottom-up rows, the layout of a BMP file's
// pixels; empty for no bitmap.
std::vector<std::uint8_t> BitmapPixels(HBITMAP bitmap);
// The window as it stands on the screen, as a 24-bit bottom-up BMP file.
std::vector<std::uint8_t> CaptureWindow(HWND window);
// The window with a popup window over it (a dropped list), which a capture
// of the window alone leaves out.
std::vector<std::uint8_t> CaptureWithPopup(HWND window, HWND popup);
// The window with the list of one of its combo boxes dropped, the list
// closed again afterwards.
std::vector<std::uint8_t> CaptureWithListDropped(HWND window, HWND combo);
// How many colours a picture taken by CaptureWindow holds.
std::size_t CountColours(const std::vector<std::uint8_t>& bitmap);
// How many pixel bytes of two pictures taken by CaptureWindow differ (all
// of them when their sizes differ).
std::size_t CountDifferentBytes(const std::vector<std::uint8_t>& picture, const std::vector<std::uint8_t>& other);
// The window as it stands once its whole top-level window was drawn afresh.
std::vector<std::uint8_t> CaptureRedrawn(HWND window);

// A picture the program shows in one language: its bitmap resource and the
// file in resources/pictures the resource is built from.
struct LanguagePicture {
    int resource;
    const char16_t* file;
};
// In each language, the pixels `shown` returns (as BitmapPixels gives them)
// are that language's picture, and no two languages show the same one.
void ExpectEachLanguageShowsItsPicture(const LanguagePicture (&pictures)[CTextManager::LanguageCount],
                                       const std::function<std::vector<std::uint8_t>()>& shown);

// What a person would see as badly laid out in a window and every visible
// window below it, one line each: a window reaching beyond its parent's
// client area; two siblings on top of each other (other than a frame round
// what lies inside it or an up-down on its buddy); arrows away from the
// value they step; a control on or beside the lines of the group box round
// it; a label, edit, check box, button or frame whose text does not fit it
// in its own font (a label's words wrapped below its height count too; a
// read-only edit that scrolls does not); a label or caption that ends
// closer to the next control on its line than the spacing of related
// controls; a combo box item from the localisation file that does not fit
// the combo's closed box or its drop-down list; or a list's column header,
// or a cell of a list made of texts of the localisation file, that does not
// fit its column in the list's font, or a tab whose text comes near its
// frame or that lies beyond the tabs' row. With NamesToo, every combo box item and
// list cell is measured, names out of the database among them: for a window
// filled from a database whose names are known, such as the shipped sample.
enum class TMeasured { LocalisedTexts, NamesToo };
std::vector<std::string> LayoutFaults(HWND window, TMeasured measured = TMeasured::LocalisedTexts);
// Fails the test with each of the window's layout faults, what telling where.
void ExpectWholeLayout(HWND window, const std::string& what, TMeasured measured = TMeasured::LocalisedTexts);
// The faults of many looks at windows, each fault once however many looks
// find it, with where it was found first: the test fails with them as the
// object ends. Stepping through every club of a database, a fault that each
// club's page shows is told once.
class DistinctLayoutFaults {
public:
    DistinctLayoutFaults() = default;
    ~DistinctLayoutFaults();
    DistinctLayoutFaults(const DistinctLayoutFaults&) = delete;
    DistinctLayoutFaults& operator=(const DistinctLayoutFaults&) = delete;
    void Look(HWND window, const std::string& what, TMeasured measured = TMeasured::NamesToo);

private:
    std::map<std::string, std::string> whereFound_;
};
// As a user picks an item of a combo box: the selection, then the change
// notification to the dialog.
void ChooseComboItem(HWND dialog, int id, int item);
int ComboItemCount(HWND dialog, int id);
// "English", "French", ... for the text languages 0 to 5.
const char* LanguageName(int language);
// Runs look once in each of the six text languages, each run traced with
// its language's name; English is the language again afterwards. A text is
// as wide as its font draws it, not as long as its characters count, so a
// layout is checked in every language rather than in the longest texts.
void InEachLanguage(const std::function<void()>& look);

// The program's own skin, from this program's resources, behind every
// dialog while the object lives.
class ProgramSkin {
public:
    ProgramSkin();
    ~ProgramSkin();
    ProgramSkin(const ProgramSkin&) = delete;
    ProgramSkin& operator=(const ProgramSkin&) = delete;
    bool IsLoaded() const { return bitmap_ != nullptr; }

private:
    HBITMAP bitmap_;
};

// The first visible dialog (class "#32770") of this thread, or null.
HWND FindThreadDialog();

}  // namespace gui_test
