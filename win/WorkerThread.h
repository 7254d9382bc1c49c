#pragma once
// Worker threads of the long-running operations. The thread starts
// suspended so that its handle can be handed over before it runs; the
// caller owns the returned handle and closes it.

#include <windows.h>

using ThreadProcedure = unsigned (*)(void* argument);

// Null when the thread cannot be created; never null for a thread that runs.
HANDLE StartThread(ThreadProcedure procedure, void* argument);
// Resumes a thread created suspended; false when it was not suspended.
bool ResumeOwnThread(HANDLE thread);

// Test hook: while set, duplicating the new thread's handle fails.
void FailThreadHandleDuplication(bool fail);
