#include "tests/ui/GuiTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text/TextManager.h"
#include "platform/TextCodec.h"
#include "resources/ResourceIds.h"
#include "tests/common/TestSupport.h"
#include "ui/controls/DateCtrl.h"
#include "ui/controls/MyListBox.h"
#include "ui/skin/SkinBitmap.h"
#include "win/ClassName.h"
#include "win/Dialog.h"
#include "win/Gdi.h"
#include "win/WideText.h"

namespace gui_test {

namespace {

constexpr std::string_view TestTexts =
    "\xEF\xBB\xBF"
    "Caption|Untranslated caption|c|c|c|c|c\r\n"
    "Dialog.Test.Caption|Test caption|Titre|Titel|Titolo|Titulo|Tytul\r\n"
    "Dialog.Test.Label|Prefixed label|Libelle|Beschriftung|Etichetta|Etiqueta|Etykieta\r\n"
    "Label|Bare label|l|l|l|l|l\r\n"
    "Bare.Key|Bare text|Texte|Text|Testo|Texto|Tekst\r\n"
    "Menu.File|File|Fichier|Datei|File|Archivo|Plik\r\n"
    "Menu.Open|Open\\tCtrl+O|Ouvrir|Offnen|Apri|Abrir|Otworz\r\n"
    "Menu.Context|Context|Contexte|Kontext|Contesto|Contexto|Kontekst\r\n"
    "Dialog.Ok|OK|OK|OK|OK|Aceptar|OK\r\n"
    "Dialog.Cancel|Cancel|Annuler|Abbrechen|Annulla|Cancelar|Anuluj\r\n"
    "Dialog.DialogB.PopupPrefix|Editor - |Editeur - |Editor - |Editor - |Editor - |Edytor - \r\n"
    "Filter.Two|Text files#*.txt|t|t|t|t|t\r\n"
    "Filter.One|a|a|a|a|a|a\r\n"
    "Filter.OneBar|ab#|a|a|a|a|a\r\n"
    "Filter.TwoBars|ab##|a|a|a|a|a\r\n"
    "Filter.ThreeBars|ab###|a|a|a|a|a\r\n"
    "Internal.Number.Decimal|.|,|,|,|,|,\r\n"
    "Common.NotAvailable|n/a|n|n|n|n|n\r\n"
    "Gallery.Caption|Control gallery|g|g|g|g|g\r\n"
    "Gallery.Group|Group box|g|g|g|g|g\r\n"
    "Gallery.Static|Skinned static|g|g|g|g|g\r\n"
    "Gallery.Centred|Centred static|g|g|g|g|g\r\n"
    "Gallery.Check|Check box|g|g|g|g|g\r\n"
    "Gallery.WideChoice|A choice far wider than the gallery's combo box|Choix|Wahl|Scelta|Opcion|Wybor\r\n"
    "Country.NoNationality|No nationality|n|n|n|n|n\r\n"
    "Country.NoCountry|No country|n|n|n|n|n\r\n"
    "Dialog.ErrorMessage.DefaultHeader|Errors were found|e|e|e|e|e\r\n"
    "Dialog.ListCtrl.ExportError|Could not save _FILE_NAME.|e|e|e|e|e\r\n"
    "Dialog.HandlerFailure|Failed: _REASON|e|e|e|e|e\r\n"
    "Dialog.ListCtrl.SaveFormat|Text (tab)#*.txt#Text (columns)#*.txt#XML#*.xml|s|s|s|s|s\r\n";

class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&controls);
    }
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GuiEnvironment);

thread_local std::function<bool()> driverStep;
thread_local DWORD driverDeadline = 0;
thread_local bool driverTimedOut = false;
// Each driver's number, and the numbers of the drivers whose step is
// running on this thread.
thread_local std::uint64_t driverNumber = 0;
thread_local std::vector<std::uint64_t> stepsRunning;

// After the time-out, at every tick until the driver goes: every message
// box of the process is answered with the button that gives up, and every
// dialog of this thread ends, whether or not it takes Cancel (the main
// window and a busy progress window do not).
BOOL CALLBACK EndOpenWindow(HWND window, LPARAM)
{
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(window, &process);
    if (std::wcscmp(className, L"#32770") != 0 || process != ::GetCurrentProcessId()) return TRUE;
    for (int answer : {IDCANCEL, IDNO, IDOK}) {
        if (::GetDlgItem(window, answer) == nullptr || ::GetDlgItem(window, 0xFFFF) == nullptr) continue;
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        break;
    }
    if (thread == ::GetCurrentThreadId()) ::EndDialog(window, IDCANCEL);
    return TRUE;
}

// What a stuck test had open, for its output: each dialog's caption, and
// whether it is this thread's or a worker's.
BOOL CALLBACK ReportOpenWindow(HWND window, LPARAM)
{
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (process != ::GetCurrentProcessId() || std::wcscmp(className, L"#32770") != 0) return TRUE;
    // Read without a message: the window's thread may be the stuck one.
    wchar_t caption[128] = {};
    ::InternalGetWindowText(window, caption, 128);
    std::fprintf(stderr, "  dialog \"%ls\"%s, on %s thread\n", caption, ::IsWindowVisible(window) ? "" : " (hidden)",
                 thread == ::GetCurrentThreadId() ? "this" : "another");
    return TRUE;
}

void EndWhatIsOpen(bool first)
{
    if (first) {
        std::fprintf(stderr, "The window driver timed out; open were:\n");
        ::EnumWindows(ReportOpenWindow, 0);
        std::fflush(stderr);
    }
    ::EnumWindows(EndOpenWindow, 0);
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK DriverTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (driverTimedOut) {
        EndWhatIsOpen(false);
        return;
    }
    if (!driverStep) return;
    if (static_cast<int>(::GetTickCount() - driverDeadline) > 0) {
        driverTimedOut = true;
        driverStep = nullptr;
        EndWhatIsOpen(true);
        return;
    }
    // A step that pumps messages itself (a screenshot waits for its paints)
    // is not entered again by its own timer; a driver made inside it, for a
    // dialog the step opens, still gets its turns.
    const std::uint64_t number = driverNumber;
    if (std::find(stepsRunning.begin(), stepsRunning.end(), number) != stepsRunning.end()) return;
    std::function<bool()> step = driverStep;
    stepsRunning.push_back(number);
    const bool done = step();
    stepsRunning.pop_back();
    if (done && driverNumber == number) driverStep = nullptr;
}

}  // namespace

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> BitmapPixels(HBITMAP bitmap)
{
    BITMAP size{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof size, &size) == 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int stride = (size.bmWidth * 3 + 3) & ~3;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(size.bmHeight));
    win::CMemoryDC memory;
    ::GetDIBits(memory.Get(), bitmap, 0, static_cast<UINT>(size.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

std::vector<std::uint8_t> CaptureWindow(HWND window)
{
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    int width = bounds.right - bounds.left;
    int height = bounds.bottom - bounds.top;
    win::CWindowDC screen(window, true);
    win::CMemoryDC memory(screen.Get());
    win::CBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), width, height));
    {
        win::CSelectObject select(memory.Get(), bitmap.Get());
        ::BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
    }
    const std::vector<std::uint8_t> pixels = BitmapPixels(bitmap.Get());

    std::vector<std::uint8_t> file{'B', 'M'};
    PutLe(file, static_cast<std::uint32_t>(54 + pixels.size()), 4);
    PutLe(file, 0, 4);
    PutLe(file, 54, 4);
    PutLe(file, 40, 4);
    PutLe(file, static_cast<std::uint32_t>(width), 4);
    PutLe(file, static_cast<std::uint32_t>(height), 4);
    PutLe(file, 1, 2);
    PutLe(file, 24, 2);
    PutLe(file, 0, 4);
    PutLe(file, static_cast<std::uint32_t>(pixels.size()), 4);
    PutLe(file, 2835, 4);
    PutLe(file, 2835, 4);
    PutLe(file, 0, 4);
    PutLe(file, 0, 4);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

std::vector<std::uint8_t> CaptureWithPopup(HWND window, HWND popup)
{
    std::vector<std::uint8_t> picture = CaptureWindow(window);
    const std::vector<std::uint8_t> shown = CaptureWindow(popup);
    RECT under{};
    RECT over{};
    ::GetWindowRect(window, &under);
    ::GetWindowRect(popup, &over);
    // Both pictures hold their rows bottom-up behind the 54 bytes of the headers.
    const auto offset = [](const RECT& rect, int x, int y) {
        const int stride = ((rect.right - rect.left) * 3 + 3) & ~3;
        return static_cast<std::ptrdiff_t>(54 + (rect.bottom - 1 - y) * stride + (x - rect.left) * 3);
    };
    for (int y = std::max(over.top, under.top); y < std::min(over.bottom, under.bottom); ++y) {
        for (int x = std::max(over.left, under.left); x < std::min(over.right, under.right); ++x)
            std::copy_n(shown.begin() + offset(over, x, y), 3, picture.begin() + offset(under, x, y));
    }
    return picture;
}

std::vector<std::uint8_t> CaptureWithListDropped(HWND window, HWND combo)
{
    // A list drops only from the focused combo of the active window.
    ::SetForegroundWindow(window);
    ::SetFocus(combo);
    ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PumpMessages();
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    ::GetComboBoxInfo(combo, &parts);
    EXPECT_TRUE(::IsWindowVisible(parts.hwndList)) << "the list did not drop";
    std::vector<std::uint8_t> picture = CaptureWithPopup(window, parts.hwndList);
    ::SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    return picture;
}

INT_PTR RunModal(win::CDialog& dialog, const std::function<void(HWND)>& act)
{
    bool done = false;
    ModalDriver driver([&] {
        if (done || !dialog.Handle() || !::IsWindowVisible(dialog.Handle())) return false;
        done = true;
        act(dialog.Handle());
        if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
        return true;
    });
    const INT_PTR result = dialog.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(done);
    return result;
}

std::size_t CountColours(const std::vector<std::uint8_t>& bitmap)
{
    std::set<std::uint32_t> colours;
    for (std::size_t i = 54; i + 2 < bitmap.size(); i += 3)
        colours.insert(bitmap[i] | bitmap[i + 1] << 8 | static_cast<std::uint32_t>(bitmap[i + 2]) << 16);
    return colours.size();
}

std::size_t CountDifferentBytes(const std::vector<std::uint8_t>& picture, const std::vector<std::uint8_t>& other)
{
    if (picture.size() != other.size()) return std::max(picture.size(), other.size());
    std::size_t different = 0;
    for (std::size_t i = 54; i < picture.size(); ++i) different += picture[i] != other[i] ? 1 : 0;
    return different;
}

std::vector<std::uint8_t> CaptureRedrawn(HWND window)
{
    ::RedrawWindow(::GetAncestor(window, GA_ROOT), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    return CaptureWindow(window);
}

namespace {

std::vector<std::uint8_t> ResourcePixels(int id)
{
    const win::CBitmap bitmap(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return BitmapPixels(bitmap.Get());
}

std::vector<std::uint8_t> PictureFilePixels(const std::u16string& name)
{
    const std::vector<std::uint8_t> file =
        testing_support::ReadBytes(testing_support::SourcePath(u"resources\\pictures\\" + name));
    const std::size_t start = file[10] | file[11] << 8 | file[12] << 16;
    return {file.begin() + static_cast<std::ptrdiff_t>(start), file.end()};
}

}  // namespace

void ExpectEachLanguageShowsItsPicture(const LanguagePicture (&pictures)[CTextManager::LanguageCount],
                                       const std::function<std::vector<std::uint8_t>()>& shown)
{
    std::vector<std::vector<std::uint8_t>> seen;
    InEachLanguage([&] {
        const LanguagePicture& picture = pictures[CTextManager::Instance()->GetLanguage()];
        seen.push_back(shown());
        ASSERT_FALSE(seen.back().empty());
        EXPECT_TRUE(seen.back() == ResourcePixels(picture.resource)) << "not bitmap resource " << picture.resource;
        EXPECT_TRUE(seen.back() == PictureFilePixels(picture.file))
            << "not " << testing_support::Narrow(picture.file);
    });
    ASSERT_EQ(seen.size(), std::size(pictures));
    for (std::size_t one = 0; one < seen.size(); ++one)
        for (std::size_t other = one + 1; other < seen.size(); ++other)
            EXPECT_FALSE(seen[one] == seen[other]) << "languages " << one << " and " << other << " show one picture";
}

namespace {

std::string Describe(HWND window)
{
    return "control " + std::to_string(::GetDlgCtrlID(window)) + " \"" + platform::Utf16ToUtf8(WindowText(window)) + "\"";
}

std::string Describe(const SIZE& size)
{
    return std::to_string(size.cx) + "x" + std::to_string(size.cy);
}

// The size a text takes in the font: within width when the flags wrap it.
SIZE TextSize(HWND window, HFONT font, const std::u16string& text, UINT flags, int width)
{
    win::CWindowDC dc(window);
    win::CSelectObject select(dc.Get(), font != nullptr ? font : ::GetStockObject(SYSTEM_FONT));
    RECT area{0, 0, width, 0};
    ::DrawTextW(dc.Get(), win::W(text), -1, &area, flags | DT_CALCRECT | DT_EXPANDTABS);
    return {area.right, area.bottom};
}

// The size the window's text takes in its own font.
SIZE TextSize(HWND window, const std::u16string& text, UINT flags, int width)
{
    return TextSize(window, reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), text, flags, width);
}

// A check box or radio button: a box with its caption beside it.
bool IsChoiceBox(HWND window)
{
    if (!win::HasClassName(window, L"Button")) return false;
    switch (static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return true;
    default:
        return false;
    }
}

// The room a control's text has, beside whatever else the control draws;
// false for a control whose text is not checked.
bool TextRoom(HWND window, const RECT& client, UINT& flags, SIZE& room)
{
    const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    room = {client.right, client.bottom};
    if (win::HasClassName(window, L"Static")) {
        const DWORD type = style & SS_TYPEMASK;
        flags = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
        if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) flags |= DT_SINGLELINE;
        else if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_OWNERDRAW) flags |= DT_WORDBREAK;
        else return false;
        return true;
    }
    if (win::HasClassName(window, L"Edit")) {
        // A read-only edit that scrolls, such as a file's path, is read by
        // scrolling it.
        if ((style & ES_MULTILINE) != 0 || (style & (ES_READONLY | ES_AUTOHSCROLL)) == (ES_READONLY | ES_AUTOHSCROLL))
            return false;
        const auto margins = static_cast<DWORD>(::SendMessageW(window, EM_GETMARGINS, 0, 0));
        room.cx -= LOWORD(margins) + HIWORD(margins) + 2;  // the caret's room too
        flags = DT_SINGLELINE | DT_NOPREFIX;
        return true;
    }
    if (!win::HasClassName(window, L"Button")) return false;
    flags = (style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
    if (IsChoiceBox(window)) {
        room.cx -= 16;  // the box and the gap after it
        return true;
    }
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        room.cx -= 6;
        return true;
    case BS_GROUPBOX:
        room.cx -= 18;  // the frame's corners on either side of the caption
        return true;
    default:
        return false;
    }
}

// Wine wraps a multi-line push button's text at the button's full width,
// though its lines must end clear of the frame: the room the text is laid
// out in, wider than the room it has.
int WrapWidth(HWND window, const RECT& client, int room)
{
    if (!win::HasClassName(window, L"Button")) return room;
    const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    const DWORD type = style & BS_TYPEMASK;
    const bool pushButton = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    return pushButton && (style & BS_MULTILINE) != 0 ? client.right : room;
}

// A closed combo box shows its selected item in the room beside its
// drop-down button, and its drop-down list each item in the room its
// dropped width leaves beside the list's border and, when the items
// scroll, its scroll bar; so each item that may be chosen must fit both in
// the combo's font. Unless names are measured too, only items that are
// texts of the localisation file in the current language are: a name out of
// an unknown database (a club, cup, country or person) has no length the
// layout could promise room for. An owner-drawn combo draws its items itself.
void CollectCutComboItems(HWND combo, TMeasured measured, std::vector<std::string>& faults)
{
    const auto style = static_cast<DWORD>(::GetWindowLongW(combo, GWL_STYLE));
    if ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetComboBoxInfo(combo, &info)) return;
    const int boxRoom = info.rcItem.right - info.rcItem.left - 2;  // the item's inset on either side
    // The hidden list keeps its frame and shows its scroll bar as its items
    // need it; it takes the dropped width only as it drops.
    RECT list{};
    RECT listClient{};
    ::GetWindowRect(info.hwndList, &list);
    ::GetClientRect(info.hwndList, &listClient);
    const int listFrame = (list.right - list.left) - listClient.right;
    const int listRoom = static_cast<int>(::SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0)) - listFrame - 2;
    win::CComboBox box;
    box.Attach(combo);
    for (int index = 0; index < box.GetCount(); ++index) {
        const std::u16string item = box.GetItemText(index);
        if (item.empty() || (measured == TMeasured::LocalisedTexts && !CTextManager::Instance()->IsTextOfLanguage(item)))
            continue;
        const SIZE needed = TextSize(combo, item, DT_SINGLELINE | DT_NOPREFIX, boxRoom);
        for (const auto& [room, where] : {std::pair{boxRoom, ""}, std::pair{listRoom, " in its list"}}) {
            if (needed.cx > room)
                faults.push_back(Describe(combo) + " item \"" + platform::Utf16ToUtf8(item) + "\" needs " +
                                 std::to_string(needed.cx) + " of " + std::to_string(room) + where);
        }
    }
}

// A word of digits and signs only: a number, a date or a score.
bool IsNumber(std::u16string_view word)
{
    return std::all_of(word.begin(), word.end(), [](char16_t c) {
        return (c >= u'0' && c <= u'9') || std::u16string_view(u".,/:-+").find(c) != std::u16string_view::npos;
    });
}

// A cell the layout can promise room for: a text of the localisation file
// in the current language, or one made of such texts and numbers, as a
// weekday before its date. A name out of the database is left out.
bool IsLocalisedCell(const std::u16string& text)
{
    const CTextManager& store = *CTextManager::Instance();
    if (text.empty()) return false;
    if (store.IsTextOfLanguage(text)) return true;
    bool localised = false;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t blank = std::min(text.find(u' ', start), text.size());
        const std::u16string_view word = std::u16string_view(text).substr(start, blank - start);
        if (!word.empty() && !IsNumber(word)) {
            if (!store.IsTextOfLanguage(word)) return false;
            localised = true;
        }
        start = blank + 1;
    }
    return localised;
}

// The measured texts of each column, each once however many rows show it.
using TColumnTexts = std::vector<std::set<std::u16string>>;

void AddMeasuredCell(TColumnTexts& columns, std::size_t column, const std::u16string& text, TMeasured measured)
{
    if (column >= columns.size()) columns.resize(column + 1);
    if (measured == TMeasured::NamesToo ? !text.empty() : IsLocalisedCell(text)) columns[column].insert(text);
}

void CollectCutText(HWND window, HFONT font, const std::u16string& text, UINT flags, int room, const std::string& what,
                    std::vector<std::string>& faults)
{
    const SIZE needed = TextSize(window, font, text, flags, room);
    if (needed.cx > room)
        faults.push_back(what + " \"" + platform::Utf16ToUtf8(text) + "\" needs " + std::to_string(needed.cx) + " of " +
                         std::to_string(room));
}

// Wine's list view draws a cell's text within its column less a margin: 2
// pixels before the first column's label and 5 more before its text; 5 on
// the aligned side of a left- or right-aligned cell of another column; none
// for a centred one (the first column is always left-aligned). Our lists
// show no images beside their texts.
int ListCellRoom(int column, int format, int width)
{
    constexpr int LabelMargin = 2;
    constexpr int TextMargin = 5;
    if (column == 0) return width - LabelMargin - TextMargin;
    return (format & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? width : width - TextMargin;
}

// A header item's text has the item's inside (the theme's content area, or
// without a theme the item less its frame: an edge of 2 pixels on either
// side of a button, on the right only otherwise) less a margin of three
// edges on either side.
int HeaderTextRoom(HWND header, int column)
{
    RECT item{};
    ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    if (HTHEME theme = ::GetWindowTheme(header)) {
        win::CWindowDC dc(header);
        ::GetThemeBackgroundContentRect(theme, dc.Get(), HP_HEADERITEM, HIS_NORMAL, &item, &item);
    } else {
        const auto style = static_cast<DWORD>(::GetWindowLongW(header, GWL_STYLE));
        item.right -= (style & HDS_BUTTONS) != 0 ? 4 : 2;
    }
    return item.right - item.left - 6 * ::GetSystemMetrics(SM_CXEDGE);
}

// Every column header of a report list and every measured cell must fit
// its column: a cut "Pos…" or "Right…" leaves columns and values that
// cannot be told apart.
void CollectCutListViewTexts(HWND list, TMeasured measured, std::vector<std::string>& faults)
{
    if ((::GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT) return;
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const auto listFont = reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0));
    const auto headerFont = reinterpret_cast<HFONT>(::SendMessageW(header, WM_GETFONT, 0, 0));
    TColumnTexts cells(static_cast<std::size_t>(std::max(columns, 0)));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            AddMeasuredCell(cells, static_cast<std::size_t>(column), CellText(list, row, column), measured);
    }
    for (int column = 0; column < columns; ++column) {
        wchar_t heading[256] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        info.pszText = heading;
        info.cchTextMax = 256;
        ::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
        const std::string what = Describe(list) + " column " + std::to_string(column);
        if (heading[0] != 0)
            CollectCutText(header, headerFont, win::U(heading), DT_SINGLELINE, HeaderTextRoom(header, column),
                           what + " header", faults);
        for (const std::u16string& cell : cells[static_cast<std::size_t>(column)])
            CollectCutText(list, listFont, cell, DT_SINGLELINE | DT_NOPREFIX, ListCellRoom(column, info.fmt, info.cx),
                           what + " cell", faults);
    }
}

// The list box with columns draws each cell into a box of its own.
void CollectCutListBoxCells(HWND window, TMeasured measured, std::vector<std::string>& faults)
{
    const auto* list = dynamic_cast<const CMyListBox*>(win::CWindow::FromHandle(window));
    if (list == nullptr || list->GetColumnCount() == 0) return;
    TColumnTexts cells;
    for (int row = 0; row < list->GetCount(); ++row) {
        const std::u16string text = list->GetItemText(row);
        std::size_t column = 0;
        for (std::size_t start = 0; start <= text.size(); ++column) {
            const std::size_t tab = std::min(text.find(u'\t', start), text.size());
            AddMeasuredCell(cells, column, text.substr(start, tab - start), measured);
            start = tab + 1;
        }
    }
    const std::size_t columns = std::min(cells.size(), static_cast<std::size_t>(list->GetColumnCount()));
    for (std::size_t column = 0; column < columns; ++column) {
        const RECT box = list->GetCellTextBox(static_cast<int>(column), RECT{});
        for (const std::u16string& cell : cells[column])
            CollectCutText(window, list->GetRowFont(), cell, DT_SINGLELINE | DT_NOPREFIX, box.right - box.left,
                           Describe(window) + " column " + std::to_string(column) + " cell", faults);
    }
}

// A tab's text needs 5 pixels on either side to keep clear of its own frame
// (2) and of a selected neighbour's, drawn 2 wider; every tab must lie in
// the row the control shows, not behind its scroll arrows.
void CollectCutTabTexts(HWND tabs, std::vector<std::string>& faults)
{
    constexpr int TextMargin = 5;
    constexpr int SelectedOverhang = 2;
    RECT client{};
    ::GetClientRect(tabs, &client);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(tabs, WM_GETFONT, 0, 0));
    for (int index = 0; index < static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)); ++index) {
        wchar_t text[256] = {};
        TCITEMW item{TCIF_TEXT, 0, 0, text, 256, 0, 0};
        RECT place{};
        ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        ::SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&place));
        const std::string what = Describe(tabs) + " tab " + std::to_string(index);
        if (place.left < client.left || place.right + SelectedOverhang > client.right)
            faults.push_back(what + " lies beyond the row the control shows");
        CollectCutText(tabs, font, win::U(text), DT_SINGLELINE, place.right - place.left - 2 * TextMargin, what, faults);
    }
}

// A group box or tab control frames the controls that lie inside it.
bool IsFrame(HWND window)
{
    const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    return win::HasClassName(window, L"SysTabControl32") ||
           (win::HasClassName(window, L"Button") && (style & BS_TYPEMASK) == BS_GROUPBOX);
}

bool Encloses(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

bool IsBuddyOf(HWND upDown, HWND other)
{
    return win::HasClassName(upDown, L"msctls_updown32") &&
           reinterpret_cast<HWND>(::SendMessageW(upDown, UDM_GETBUDDY, 0, 0)) == other;
}

struct TShownChild {
    HWND window;
    RECT place;
};

// Two siblings shown at once may share pixels only when one frames the
// other or an up-down sits on its buddy; the rectangles are the shown ones
// (a combo box's, without its drop-down list).
void CollectOverlaps(const std::vector<TShownChild>& shown, std::vector<std::string>& faults)
{
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const TShownChild& a = shown[i];
            const TShownChild& b = shown[j];
            RECT common{};
            if (!::IntersectRect(&common, &a.place, &b.place)) continue;
            if ((IsFrame(a.window) && Encloses(a.place, b.place)) || (IsFrame(b.window) && Encloses(b.place, a.place)) ||
                IsBuddyOf(a.window, b.window) || IsBuddyOf(b.window, a.window))
                continue;
            faults.push_back(Describe(a.window) + " and " + Describe(b.window) + " overlap by " +
                             Describe(SIZE{common.right - common.left, common.bottom - common.top}));
        }
    }
}

// Dialog units of the dialog the window lies on, in pixels.
SIZE DialogUnits(HWND window, int x, int y)
{
    HWND dialog = window;
    while (dialog != nullptr && !win::HasClassName(dialog, L"#32770")) dialog = ::GetParent(dialog);
    RECT rect{0, 0, x, y};
    if (dialog != nullptr) ::MapDialogRect(dialog, &rect);
    return {rect.right, rect.bottom};
}

// The text a label or the caption a check box or radio button draws;
// empty for any other control.
std::u16string CaptionText(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    UINT flags = 0;
    SIZE room{};
    const bool caption = win::HasClassName(window, L"Static") || IsChoiceBox(window);
    return caption && TextRoom(window, client, flags, room) ? WindowText(window) : std::u16string();
}

// Where a control draws on its line, from its first to its last pixel: a
// label its text as aligned, a check box or radio button its box and
// caption, any other control its whole width. False for a control that
// draws nothing there: an empty label, or a frame round other controls.
bool InkSpan(HWND window, const RECT& place, int& left, int& right)
{
    left = place.left;
    right = place.right;
    if (IsFrame(window)) return false;
    const std::u16string text = CaptionText(window);
    const bool label = win::HasClassName(window, L"Static");
    if (label && text.empty()) return false;
    if (text.empty()) return true;
    RECT client{};
    ::GetClientRect(window, &client);
    UINT flags = 0;
    SIZE room{};
    TextRoom(window, client, flags, room);
    const int width = TextSize(window, text, flags, room.cx).cx;
    if (!label) {
        right = left + (client.right - room.cx) + width;
        return true;
    }
    const DWORD type = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)) & SS_TYPEMASK;
    if (type == SS_RIGHT) left = right - width;
    else if (type == SS_CENTER) left += (place.right - place.left - width) / 2;
    right = left + width;
    return true;
}

// A text must end clear of the next control on its line as that control
// is drawn (a box, a check box's box, a right-aligned label's text), or a
// reader cannot tell where one stops and the next begins: a label at least
// 3 dialog units before the control it names, a check box's or radio
// button's caption 4, the spacing of related controls.
void CollectCrowdedTexts(HWND window, const std::vector<TShownChild>& shown, std::vector<std::string>& faults)
{
    for (const TShownChild& text : shown) {
        int textLeft = 0;
        int textRight = 0;
        if (CaptionText(text.window).empty() || !InkSpan(text.window, text.place, textLeft, textRight)) continue;
        const int minimum = DialogUnits(window, win::HasClassName(text.window, L"Static") ? 3 : 4, 0).cx;
        const TShownChild* next = nullptr;
        int nextLeft = 0;
        for (const TShownChild& other : shown) {
            int left = 0;
            int right = 0;
            if (&other == &text || other.place.left <= text.place.left || other.place.top >= text.place.bottom ||
                other.place.bottom <= text.place.top || !InkSpan(other.window, other.place, left, right))
                continue;
            if (next == nullptr || left < nextLeft) {
                next = &other;
                nextLeft = left;
            }
        }
        if (next != nullptr && nextLeft - textRight < minimum)
            faults.push_back(Describe(text.window) + " ends " + std::to_string(nextLeft - textRight) + " before " +
                             Describe(next->window) + " (at least " + std::to_string(minimum) + ")");
    }
}

// A control framed by a group box keeps clear of the box's lines, or it
// reads as standing on them: 2 dialog units, a unit of air beside a line
// about a unit thick, from its sides and bottom, and below the caption that
// breaks its top line.
void CollectControlsOnFrames(HWND window, const std::vector<TShownChild>& shown, std::vector<std::string>& faults)
{
    const SIZE air = DialogUnits(window, 2, 2);
    for (const TShownChild& frame : shown) {
        if (!win::HasClassName(frame.window, L"Button") ||
            (static_cast<DWORD>(::GetWindowLongW(frame.window, GWL_STYLE)) & BS_TYPEMASK) != BS_GROUPBOX)
            continue;
        const RECT& box = frame.place;
        const int captionBottom = box.top + TextSize(frame.window, u"Ag", DT_SINGLELINE, box.right - box.left).cy;
        for (const TShownChild& inner : shown) {
            if (&inner == &frame || !Encloses(box, inner.place)) continue;
            const RECT& place = inner.place;
            const bool onSide = place.left - box.left < air.cx || box.right - place.right < air.cx;
            if (onSide || box.bottom - place.bottom < air.cy || place.top < captionBottom)
                faults.push_back(Describe(inner.window) + " stands on the lines of " + Describe(frame.window));
        }
    }
}

// Arrows that step a value: an up-down, or a vertical scroll bar no
// taller than two lines of text.
bool IsArrows(HWND window, const RECT& place)
{
    if (win::HasClassName(window, L"msctls_updown32")) return true;
    const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    return win::HasClassName(window, L"ScrollBar") && (style & SBS_VERT) != 0 &&
           place.bottom - place.top <= 2 * TextSize(window, u"Ag", DT_SINGLELINE, 0).cy;
}

// Arrows stand beside the value they step: an up-down on the buddy it
// steps, other arrows within the spacing of unrelated controls, 7 dialog
// units, of the nearest text or control on their line as drawn (a label
// not yet filled where its text will begin).
void CollectStrayArrows(HWND window, const std::vector<TShownChild>& shown, std::vector<std::string>& faults)
{
    const int reach = DialogUnits(window, 7, 0).cx;
    for (const TShownChild& arrows : shown) {
        if (!IsArrows(arrows.window, arrows.place)) continue;
        const auto buddy = reinterpret_cast<HWND>(::SendMessageW(arrows.window, UDM_GETBUDDY, 0, 0));
        int nearest = INT_MAX;
        const TShownChild* value = nullptr;
        for (const TShownChild& other : shown) {
            int left = 0;
            int right = 0;
            if (&other == &arrows || other.place.top >= arrows.place.bottom || other.place.bottom <= arrows.place.top ||
                (buddy != nullptr && other.window != buddy) || IsFrame(other.window))
                continue;
            InkSpan(other.window, other.place, left, right);
            const int after = left - static_cast<int>(arrows.place.right);
            const int before = static_cast<int>(arrows.place.left) - right;
            const int gap = std::max({after, before, 0});
            if (gap < nearest) {
                nearest = gap;
                value = &other;
            }
        }
        if (value == nullptr)
            faults.push_back(Describe(arrows.window) + " stands apart from any value");
        else if (nearest > (buddy != nullptr ? 0 : reach))
            faults.push_back(Describe(arrows.window) + " stands " + std::to_string(nearest) + " from " +
                             Describe(value->window));
    }
}

void CollectLayoutFaults(HWND window, TMeasured measured, std::vector<std::string>& faults)
{
    RECT parent{};
    ::GetClientRect(window, &parent);
    std::vector<TShownChild> shown;
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
        const RECT place = win::RectIn(child, window);
        shown.push_back({child, place});
        if (place.left < parent.left || place.top < parent.top || place.right > parent.right ||
            place.bottom > parent.bottom)
            faults.push_back(Describe(child) + " reaches beyond " + Describe(window));
        RECT client{};
        ::GetClientRect(child, &client);
        UINT flags = 0;
        SIZE room{};
        const std::u16string text = WindowText(child);
        if (!text.empty() && TextRoom(child, client, flags, room)) {
            const SIZE needed = TextSize(child, text, flags, WrapWidth(child, client, room.cx));
            if (needed.cx > room.cx || ((flags & DT_WORDBREAK) != 0 && needed.cy > room.cy)) {
                const SIZE line = TextSize(child, text, (flags & ~DT_WORDBREAK) | DT_SINGLELINE, room.cx);
                faults.push_back(Describe(child) + " needs " + Describe(needed) + " (" + Describe(line) +
                                 " on one line) of " + Describe(room));
            }
        }
        if (win::HasClassName(child, L"ComboBox")) CollectCutComboItems(child, measured, faults);
        if (win::HasClassName(child, L"SysListView32")) CollectCutListViewTexts(child, measured, faults);
        if (win::HasClassName(child, L"ListBox")) CollectCutListBoxCells(child, measured, faults);
        if (win::HasClassName(child, L"SysTabControl32")) CollectCutTabTexts(child, faults);
        CollectLayoutFaults(child, measured, faults);
    }
    CollectOverlaps(shown, faults);
    CollectCrowdedTexts(window, shown, faults);
    CollectControlsOnFrames(window, shown, faults);
    CollectStrayArrows(window, shown, faults);
}

}  // namespace

std::vector<std::string> LayoutFaults(HWND window, TMeasured measured)
{
    std::vector<std::string> faults;
    CollectLayoutFaults(window, measured, faults);
    return faults;
}

void ExpectWholeLayout(HWND window, const std::string& what, TMeasured measured)
{
    for (const std::string& fault : LayoutFaults(window, measured)) ADD_FAILURE() << what << ": " << fault;
}

DistinctLayoutFaults::~DistinctLayoutFaults()
{
    for (const auto& [fault, where] : whereFound_) ADD_FAILURE() << where << ": " << fault;
}

void DistinctLayoutFaults::Look(HWND window, const std::string& what, TMeasured measured)
{
    for (const std::string& fault : LayoutFaults(window, measured)) whereFound_.try_emplace(fault, what);
}

void ChooseComboItem(HWND dialog, int id, int item)
{
    const HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

int ComboItemCount(HWND dialog, int id)
{
    return static_cast<int>(::SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0));
}

const char* LanguageName(int language)
{
    static const char* const names[CTextManager::LanguageCount] = {"English", "French", "German", "Italian", "Spanish", "Polish"};
    return language >= 0 && language < CTextManager::LanguageCount ? names[language] : "";
}

void InEachLanguage(const std::function<void()>& look)
{
    for (int language = 0; language < CTextManager::LanguageCount; ++language) {
        SCOPED_TRACE(LanguageName(language));
        CTextManager::Instance()->SetLanguage(language);
        look();
    }
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

ProgramSkin::ProgramSkin()
    : bitmap_(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BACKGROUND),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
{
    SetSkinBitmap(bitmap_);
}

ProgramSkin::~ProgramSkin()
{
    SetSkinBitmap(nullptr);
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
}

void LoadTestTexts()
{
    CTextManager* store = CTextManager::Instance();
    ASSERT_TRUE(store->LoadFromBytes({reinterpret_cast<const std::uint8_t*>(TestTexts.data()), TestTexts.size()}));
    store->SetLanguage(CTextManager::English);
}

bool GalleryDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (std::find(watched.begin(), watched.end(), message) == watched.end())
        return TestDialog::OnMessage(message, wParam, lParam, result);
    received.push_back({message, wParam, lParam});
    result = answer;
    return true;
}

void GalleryTest::SetUp()
{
    LoadTestTexts();
    ASSERT_TRUE(gallery_.Create(nullptr));
    ::SetWindowPos(gallery_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void GalleryTest::Redraw(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

COLORREF GalleryTest::Pixel(HWND window, int x, int y)
{
    win::CWindowDC dc(window);
    return ::GetPixel(dc.Get(), x, y);
}

std::vector<LPARAM> GalleryTest::ItemData(const win::CComboBox& combo)
{
    std::vector<LPARAM> data;
    for (int i = 0; i < combo.GetCount(); ++i) data.push_back(combo.GetItemData(i));
    return data;
}

std::vector<BYTE> LoadTemplateWithStyle(UINT templateId, DWORD remove, DWORD add)
{
    HINSTANCE module = win::CDialog::GetResourceModule();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (resource == nullptr) return {};
    auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
    std::vector<BYTE> bytes(data, data + ::SizeofResource(module, resource));
    // An extended template (signature 0xFFFF) keeps its style at offset 12.
    bool extended = bytes.size() >= 16 && bytes[2] == 0xFF && bytes[3] == 0xFF;
    DWORD* style = reinterpret_cast<DWORD*>(bytes.data() + (extended ? 12 : 0));
    *style = (*style & ~remove) | add;
    return bytes;
}

std::u16string WindowText(HWND window)
{
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return win::U(text);
}

std::u16string ItemText(HWND dialog, int id)
{
    return WindowText(::GetDlgItem(dialog, id));
}

std::u16string ItemTextOnOneLine(HWND dialog, int id)
{
    std::u16string text = ItemText(dialog, id);
    std::replace(text.begin(), text.end(), u'\n', u' ');
    return text;
}

std::vector<std::u16string> ComboTexts(HWND dialog, int id)
{
    std::vector<std::u16string> texts;
    HWND combo = ::GetDlgItem(dialog, id);
    const auto count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        std::wstring text(static_cast<std::size_t>(::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)), L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(win::U(text.c_str()));
    }
    return texts;
}

std::u16string CellText(HWND list, int row, int column)
{
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return win::U(text);
}

std::vector<HWND> DateParts(HWND dialog, int id)
{
    std::vector<HWND> parts{::GetDlgItem(dialog, id)};
    for (HWND child = ::GetWindow(parts[0], GW_HWNDNEXT); child != nullptr && parts.size() < 3;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == Halvane::MFC::CDateCtrl::PartId) parts.push_back(child);
    }
    return parts;
}

void PumpMessages()
{
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

ModalDriver::ModalDriver(std::function<bool()> step, unsigned timeoutMs)
{
    ++driverNumber;
    driverStep = std::move(step);
    driverDeadline = ::GetTickCount() + timeoutMs;
    driverTimedOut = false;
    timer_ = ::SetTimer(nullptr, 0, 20, DriverTick);
}

ModalDriver::~ModalDriver()
{
    ::KillTimer(nullptr, timer_);
    driverStep = nullptr;
}

bool ModalDriver::TimedOut() const
{
    return driverTimedOut;
}

HWND FindThreadDialog()
{
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace gui_test
