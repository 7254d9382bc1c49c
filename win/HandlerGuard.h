#pragma once
// Message handlers run inside the system's window and dialog procedures; a
// C++ exception must never unwind through those frames. RunGuarded catches
// everything a handler throws, reports it through the application's message
// sink and answers false, so the caller falls back to the default handling.

#include <exception>

namespace win {

// Reports one failed handler. While a report is being shown on this thread
// (its message box runs a message loop of its own), further failures are not
// reported again, so a handler that keeps failing cannot pile up boxes.
void ReportHandlerFailure(const char* reason) noexcept;

template <class Handler>
bool RunGuarded(Handler&& handler) noexcept
{
    try {
        return handler();
    } catch (const std::exception& failure) {
        ReportHandlerFailure(failure.what());
    } catch (...) {
        ReportHandlerFailure(nullptr);
    }
    return false;
}

}  // namespace win
