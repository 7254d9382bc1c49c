// Drives the running editor from outside for scripts/run when no person
// watches: accepts the agreement when it is asked, acknowledges the main
// window's start-up warning (the 3D renderer that did not load), waits for
// the main window and prints its place on the screen, or closes the program
// as a user would (close, then Yes to the question).

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int AgreementText = 2092;
constexpr int FederationCombo = 1590;
constexpr int ClubList = 2084;
constexpr int MessageBoxText = 0xFFFF;

struct Search {
    HWND agreement = nullptr;
    HWND mainWindow = nullptr;
    // A box with only OK over the main window, shown while it opens.
    HWND warning = nullptr;
    // Any message box: what the editor said when it stops before its main window.
    HWND message = nullptr;
};

bool IsMainWindow(HWND window)
{
    return window != nullptr && ::GetDlgItem(window, FederationCombo) != nullptr && ::GetDlgItem(window, ClubList) != nullptr;
}

BOOL CALLBACK Visit(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (!::IsWindowVisible(window) || std::wcscmp(className, L"#32770") != 0) return TRUE;
    if (::GetDlgItem(window, AgreementText) != nullptr) search->agreement = window;
    if (IsMainWindow(window)) search->mainWindow = window;
    if (::GetDlgItem(window, MessageBoxText) != nullptr) search->message = window;
    if (::GetDlgItem(window, MessageBoxText) != nullptr && ::GetDlgItem(window, IDOK) != nullptr &&
        ::GetDlgItem(window, IDYES) == nullptr && IsMainWindow(::GetWindow(window, GW_OWNER)))
        search->warning = window;
    return TRUE;
}

Search FindWindows()
{
    Search search;
    ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search;
}

// What the editor said, for the person reading the script's output.
void PrintMessage(const wchar_t* what, HWND box)
{
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(box, MessageBoxText, text, 1024);
    // The script reads UTF-8; the C runtime would write the ANSI code page.
    const std::wstring line = std::wstring(what) + L": " + text + L"\n";
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
}

int WaitForMainWindow(int seconds)
{
    for (int waited = 0; waited < seconds * 10; ++waited) {
        const Search search = FindWindows();
        if (search.agreement != nullptr) ::SendMessageW(::GetDlgItem(search.agreement, IDOK), BM_CLICK, 0, 0);
        if (search.warning != nullptr) {
            PrintMessage(L"acknowledged", search.warning);
            ::SendMessageW(::GetDlgItem(search.warning, IDOK), BM_CLICK, 0, 0);
        }
        if (search.mainWindow != nullptr) {
            RECT rect{};
            ::GetWindowRect(search.mainWindow, &rect);
            std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
            return 0;
        }
        ::Sleep(100);
    }
    std::fprintf(stderr, "the main window did not appear\n");
    if (const HWND box = FindWindows().message) PrintMessage(L"the editor shows", box);
    return 1;
}

BOOL CALLBACK AnswerYes(HWND window, LPARAM owner)
{
    HWND yes = ::GetDlgItem(window, IDYES);
    if (::GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner) && yes != nullptr)
        ::SendMessageW(yes, BM_CLICK, 0, 0);
    return TRUE;
}

int CloseMainWindow(int seconds)
{
    const HWND mainWindow = FindWindows().mainWindow;
    if (mainWindow == nullptr) return 1;
    ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    for (int waited = 0; waited < seconds * 10; ++waited) {
        if (!::IsWindow(mainWindow)) return 0;
        ::EnumWindows(AnswerYes, reinterpret_cast<LPARAM>(mainWindow));
        ::Sleep(100);
    }
    std::fprintf(stderr, "the main window did not close\n");
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && std::wcscmp(argv[1], L"wait") == 0) return WaitForMainWindow(_wtoi(argv[2]));
    if (argc == 3 && std::wcscmp(argv[1], L"close") == 0) return CloseMainWindow(_wtoi(argv[2]));
    std::fprintf(stderr, "usage: run_driver wait|close SECONDS\n");
    return 2;
}
