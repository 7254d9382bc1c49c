// Keeps Wine's desktop alive between test programs: Wine closes an unused
// desktop a second after its last window, and a new one costs every GUI
// test about a second. Prints "ready" once its window, and with it the
// desktop, exists: a test that made the first window would start the
// desktop itself, which would then hold the test's output. Runs until
// killed.

#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    std::puts("ready");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
