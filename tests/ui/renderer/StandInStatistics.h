#pragma once
// What the stand-in renderer plug-in counts, as it keeps it and as the tests
// read it through its export "StandInStatistics".

#include <windows.h>

#include <cstdint>

#include "ui/render/RendererPlugin.h"

namespace stand_in {

// The first three fields are what the host's tests read; the rest reports
// the calls of the kit and portrait controls.
struct Statistics {
    LONG created, alive;
    HWND window;
    LONG renderKits, setKits, renderHeads, frames;
    TRendererRect lastArea;
    std::uint32_t background;
    std::uint32_t kit[13];
    std::uint32_t options[RendererOptionBlockWords];
    LONG readersAlive, pixelReads, buffersHandedOut, buffersHeld;
    // Set by a test: the pixel buffer handed out is this many pixels short.
    LONG bufferShortfall;
};

// The statistics of the stand-in loaded as module; null when module is null
// or is no stand-in.
inline const Statistics* StatisticsOf(HMODULE module)
{
    auto statistics = reinterpret_cast<const Statistics* (*)()>(
        reinterpret_cast<void (*)()>(module ? ::GetProcAddress(module, "StandInStatistics") : nullptr));
    return statistics ? statistics() : nullptr;
}

// The renderer's 0xAARRGGBB colours as the screen shows them.
inline COLORREF FromArgb(std::uint32_t argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

}  // namespace stand_in
