#pragma once
// Keeps the large buffers of text files read one after another for the
// next file. A database load reads dozens of country files of a megabyte
// or more on several threads, and each needs several times its size in
// buffers; the system hands freed megabytes back to the kernel and every
// new file's buffers then arrive as fresh pages, each faulted in and
// cleared, which costs more than reading the file. A buffer taken from
// here is one of about the size used before, its pages already the
// process's own.
//
// A buffer holds trivially constructible units and is returned to the
// recycler it came from when its owner lets it go; a buffer taken without
// a recycler is simply freed. Whoever hands out buffers keeps the recycler
// alive until they are all back (a shared pointer beside them). Small
// buffers are never kept: the allocator serves those from its own pools.

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <type_traits>
#include <vector>

class CBufferRecycler {
public:
    CBufferRecycler() = default;
    ~CBufferRecycler();
    CBufferRecycler(const CBufferRecycler&) = delete;
    CBufferRecycler& operator=(const CBufferRecycler&) = delete;

    // Gives a buffer back to its recycler, or frees it.
    struct TGiveBack {
        CBufferRecycler* recycler = nullptr;
        std::size_t bytes = 0;

        void operator()(void* buffer) const;
    };

    template <typename T>
    using TBuffer = std::unique_ptr<T[], TGiveBack>;

    // Room for count units, uninitialised; from recycler when one is given.
    template <typename T>
    static TBuffer<T> Take(CBufferRecycler* recycler, std::size_t count)
    {
        static_assert(std::is_trivially_default_constructible_v<T> && std::is_trivially_destructible_v<T>);
        std::size_t bytes = count * sizeof(T);
        void* buffer = recycler != nullptr ? recycler->TakeBytes(bytes) : ::operator new(bytes);
        return TBuffer<T>(static_cast<T*>(buffer), TGiveBack{recycler, bytes});
    }

    // The room a new buffer gets for a request of bytes: some over, since
    // files of one database differ a little in size.
    static constexpr std::size_t RoomFor(std::size_t bytes) { return bytes + bytes / 16; }

    // Buffers below this size are freed rather than kept.
    static constexpr std::size_t SmallestKept = 64 * 1024;
    // Idle buffers kept at most, the oldest freed first: those of one
    // file, enough for the next file to be opened while one is let go.
    static constexpr std::size_t MostKept = 4;

    // Frees the idle buffers and every buffer given back from now on, once
    // no further file will need one.
    void StopKeeping();

    std::size_t IdleCount() const;

private:
    struct TIdle {
        void* buffer;
        std::size_t capacity;
    };

    void* TakeBytes(std::size_t& bytes);
    void Keep(void* buffer, std::size_t capacity);

    mutable std::mutex mutex_;
    std::vector<TIdle> idle_;
    bool keeping_ = true;
};
