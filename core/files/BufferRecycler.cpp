#include "core/files/BufferRecycler.h"

#include <algorithm>

namespace {

// A kept buffer serves a request up to half again smaller than itself, so
// that a file's text buffer is not used up for its much smaller bytes.
bool Fits(std::size_t capacity, std::size_t bytes)
{
    return capacity >= bytes && capacity - bytes <= bytes / 2;
}

}  // namespace

CBufferRecycler::~CBufferRecycler()
{
    for (const TIdle& idle : idle_) ::operator delete(idle.buffer);
}

void CBufferRecycler::TGiveBack::operator()(void* buffer) const
{
    if (recycler != nullptr && bytes >= SmallestKept) {
        recycler->Keep(buffer, bytes);
    } else {
        ::operator delete(buffer);
    }
}

void CBufferRecycler::StopKeeping()
{
    std::vector<TIdle> idle;
    {
        std::lock_guard lock(mutex_);
        keeping_ = false;
        idle.swap(idle_);
    }
    for (const TIdle& buffer : idle) ::operator delete(buffer.buffer);
}

std::size_t CBufferRecycler::IdleCount() const
{
    std::lock_guard lock(mutex_);
    return idle_.size();
}

// The smallest idle buffer that fits; a new one with room over otherwise.
// bytes becomes the buffer's capacity.
void* CBufferRecycler::TakeBytes(std::size_t& bytes)
{
    if (bytes >= SmallestKept) {
        std::lock_guard lock(mutex_);
        auto best = idle_.end();
        for (auto idle = idle_.begin(); idle != idle_.end(); ++idle) {
            if (Fits(idle->capacity, bytes) && (best == idle_.end() || idle->capacity < best->capacity)) best = idle;
        }
        if (best != idle_.end()) {
            void* buffer = best->buffer;
            bytes = best->capacity;
            idle_.erase(best);
            return buffer;
        }
        bytes = RoomFor(bytes);
    }
    return ::operator new(bytes);
}

void CBufferRecycler::Keep(void* buffer, std::size_t capacity)
{
    // Freed outside the lock: this buffer once no longer kept, else the
    // oldest when too many are.
    void* dropped = buffer;
    {
        std::lock_guard lock(mutex_);
        if (keeping_) {
            dropped = idle_.size() == MostKept ? idle_.front().buffer : nullptr;
            if (dropped != nullptr) idle_.erase(idle_.begin());
            idle_.push_back({buffer, capacity});
        }
    }
    ::operator delete(dropped);
}
