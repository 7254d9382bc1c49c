#include "ui/base/ButtonTextWrapping.h"

#include <algorithm>

#include "win/Gdi.h"
#include "win/WideText.h"

namespace {

// A line keeps clear of the frame's two pixels and a pixel beside them.
constexpr int FrameAndMargin = 3;

int LineWidth(HDC dc, const std::u16string& line)
{
    RECT area{};
    ::DrawTextW(dc, win::W(line), -1, &area, DT_SINGLELINE | DT_CALCRECT);
    return area.right;
}

}  // namespace

void SetWrappedButtonText(HWND button, const std::u16string& text)
{
    RECT client{};
    ::GetClientRect(button, &client);
    const int room = client.right - 2 * FrameAndMargin;
    win::CWindowDC dc(button);
    win::CSelectObject select(dc.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(button, WM_GETFONT, 0, 0)));
    std::u16string shown;
    std::u16string line;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(u' ', start), text.size());
        const std::u16string word = text.substr(start, end - start);
        const std::u16string longer = line.empty() ? word : line + u' ' + word;
        if (!line.empty() && LineWidth(dc.Get(), longer) > room) {
            shown += line + u'\n';
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    ::SetWindowTextW(button, win::W(shown + line));
}
