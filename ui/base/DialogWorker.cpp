#include "ui/base/DialogWorker.h"

#include <utility>

#include "win/WorkerThread.h"

CDialogWorker::~CDialogWorker() { Join(); }

bool CDialogWorker::Start(Work work, Finished finished)
{
    if (thread_ != nullptr) return false;
    work_ = std::move(work);
    finished_ = std::move(finished);
    failed_ = false;
    thread_ = StartThread(&CDialogWorker::ThreadMain, this);
    return thread_ != nullptr;
}

unsigned CDialogWorker::ThreadMain(void* argument)
{
    auto& worker = *static_cast<CDialogWorker*>(argument);
    const WorkerResult result = RunWorkerGuarded(worker.work_);
    worker.failed_ = result == WorkerResult::Failed;
    if (worker.finished_) RunWorkerGuarded([&worker, result] { worker.finished_(result); });
    return result == WorkerResult::Completed ? 0 : 1;
}

void CDialogWorker::Join()
{
    if (thread_ == nullptr) return;
    while (::MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    ::CloseHandle(thread_);
    thread_ = nullptr;
}
