#pragma once
// The top of every worker thread the program starts. An exception that
// leaves a thread's procedure ends the whole program, and the thread's
// owner would never hear that the work stopped: RunWorkerGuarded catches
// everything the work throws, tells the user once through the application's
// message sink ("Dialog.WorkerFailure") and answers Failed, so that the
// owner can still be told the worker has finished.

#include <functional>

enum class WorkerResult { Completed, Failed };

WorkerResult RunWorkerGuarded(const std::function<void()>& work) noexcept;
