#pragma once
// Opens a list of tagged text files ahead of their reader on worker
// threads. Opening a file (reading it, decoding it and splitting it into
// lines) is about a third of a database load and needs nothing the reader
// touches, so while the reader turns one country file into records the
// next ones are opened beside it. The reader takes the files in their
// order; at most a few are kept open ahead of it, so the memory stays that
// of a handful of files. Nothing is reported from the workers: the reader
// sees exactly what opening the file itself would have given.
//
// A preparation step may run on the worker after a file is opened, for
// work of the reader's own that needs nothing but the file's lines. It
// gets the file's index in the list; its results are the caller's to keep
// and become visible to the reader with the file TakeNext returns. It must
// leave no error stored in the file: a file that has one is opened again
// by the reader, unprepared, and so is a file the reader reaches before a
// worker does. The file's position is reset after it.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/files/IndexTextFile.h"

class CTextFilePrefetcher {
public:
    using TPrepare = std::function<void(std::size_t index, CIndexTextFile& file)>;

    explicit CTextFilePrefetcher(std::vector<std::u16string> paths, TPrepare prepare = {});
    // Stops the workers after the file each is opening; files never taken
    // are closed.
    ~CTextFilePrefetcher();
    CTextFilePrefetcher(const CTextFilePrefetcher&) = delete;
    CTextFilePrefetcher& operator=(const CTextFilePrefetcher&) = delete;

    // The next file of the list, opened for reading, or null when it
    // cannot be opened or the list is done. prepared, when given, tells
    // whether the preparation step ran over the very file returned.
    std::unique_ptr<CIndexTextFile> TakeNext(bool* prepared = nullptr);

private:
    enum class SlotState { Waiting, Opening, Opened, Failed, Taken };

    struct TSlot {
        SlotState state = SlotState::Waiting;
        std::unique_ptr<CIndexTextFile> file;
    };

    void WorkerMain();
    std::unique_ptr<CIndexTextFile> Open(const std::u16string& path) const;
    // Opens and prepares a file on a worker; Failed leaves it to the reader.
    SlotState OpenPrepared(std::size_t index, std::unique_ptr<CIndexTextFile>& file);

    const std::vector<std::u16string> paths_;
    const TPrepare prepare_;
    // The files' buffers, handed on from the files the reader is done with.
    const std::shared_ptr<CBufferRecycler> recycler_ = std::make_shared<CBufferRecycler>();
    std::vector<TSlot> slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t nextToOpen_ = 0;
    std::size_t nextToTake_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};
