#include "win/WorkerThread.h"

#include <process.h>

#include <atomic>

namespace {

std::atomic<bool> gFailDuplication{false};

struct ThreadStart {
    ThreadProcedure procedure;
    void* argument;
};

unsigned __stdcall RunThread(void* start)
{
    const ThreadStart request = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    return request.procedure(request.argument);
}

}  // namespace

HANDLE StartThread(ThreadProcedure procedure, void* argument)
{
    if (!procedure) return nullptr;
    auto* start = new ThreadStart{procedure, argument};
    // _beginthreadex rather than CreateThread: the runtime sets up its
    // per-thread state for the procedure.
    const auto created = _beginthreadex(nullptr, 0, RunThread, start, CREATE_SUSPENDED, nullptr);
    if (created == 0) {
        delete start;
        return nullptr;
    }
    HANDLE own = reinterpret_cast<HANDLE>(created);
    HANDLE duplicate = nullptr;
    const HANDLE process = ::GetCurrentProcess();
    const bool duplicated = !gFailDuplication.load() &&
                            ::DuplicateHandle(process, own, process, &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS);
    ResumeOwnThread(own);
    // Without a copy the caller takes the original: a running thread is
    // never left without a handle to wait for it.
    if (!duplicated) return own;
    ::CloseHandle(own);
    return duplicate;
}

void FailThreadHandleDuplication(bool fail) { gFailDuplication.store(fail); }

bool ResumeOwnThread(HANDLE thread) { return thread && ::ResumeThread(thread) == 1; }
