#include "core/files/BufferRecycler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t Large = CBufferRecycler::SmallestKept;

TEST(BufferRecycler, ABufferGivenBackServesTheNextRequestItFits)
{
    CBufferRecycler recycler;
    void* first = nullptr;
    {
        auto buffer = CBufferRecycler::Take<std::uint32_t>(&recycler, Large);
        first = buffer.get();
        buffer[Large - 1] = 7;
    }
    EXPECT_EQ(recycler.IdleCount(), 1u);
    // A little larger than before still fits the room a new buffer gets.
    const auto again = CBufferRecycler::Take<std::uint8_t>(&recycler, CBufferRecycler::RoomFor(Large * sizeof(std::uint32_t)));
    EXPECT_EQ(again.get(), first);
    EXPECT_EQ(recycler.IdleCount(), 0u);
}

TEST(BufferRecycler, ABufferMuchLargerThanTheRequestIsKeptForALargerOne)
{
    CBufferRecycler recycler;
    CBufferRecycler::Take<char16_t>(&recycler, 4 * Large).reset();
    const auto small = CBufferRecycler::Take<std::uint8_t>(&recycler, Large);
    EXPECT_EQ(recycler.IdleCount(), 1u);
    const auto large = CBufferRecycler::Take<std::uint8_t>(&recycler, 7 * Large);
    EXPECT_EQ(recycler.IdleCount(), 0u);
}

TEST(BufferRecycler, TheSmallestFittingBufferIsTaken)
{
    CBufferRecycler recycler;
    auto larger = CBufferRecycler::Take<std::uint8_t>(&recycler, 2 * Large + Large / 4);
    auto smaller = CBufferRecycler::Take<std::uint8_t>(&recycler, 2 * Large);
    void* expected = smaller.get();
    larger.reset();
    smaller.reset();
    EXPECT_EQ(CBufferRecycler::Take<std::uint8_t>(&recycler, 2 * Large).get(), expected);
}

TEST(BufferRecycler, SmallBuffersAndBuffersWithoutARecyclerAreFreed)
{
    CBufferRecycler recycler;
    CBufferRecycler::Take<std::uint8_t>(&recycler, Large - 1).reset();
    EXPECT_EQ(recycler.IdleCount(), 0u);
    auto alone = CBufferRecycler::Take<std::uint32_t>(nullptr, Large);
    alone[0] = 1;
    alone.reset();
    EXPECT_EQ(recycler.IdleCount(), 0u);
}

TEST(BufferRecycler, AtMostSoManyBuffersAreKeptTheOldestDroppedFirst)
{
    CBufferRecycler recycler;
    std::vector<CBufferRecycler::TBuffer<std::uint8_t>> buffers;
    for (std::size_t n = 0; n <= CBufferRecycler::MostKept; ++n) {
        buffers.push_back(CBufferRecycler::Take<std::uint8_t>(&recycler, Large * (n + 1)));
    }
    void* const newest = buffers.back().get();
    buffers.clear();
    EXPECT_EQ(recycler.IdleCount(), CBufferRecycler::MostKept);
    // The first and smallest went: a request of its size gets a new buffer.
    const auto first = CBufferRecycler::Take<std::uint8_t>(&recycler, Large);
    EXPECT_EQ(recycler.IdleCount(), CBufferRecycler::MostKept);
    // The newest is still there: only it is as large as its own room.
    const std::size_t newestRoom = CBufferRecycler::RoomFor(Large * (CBufferRecycler::MostKept + 1));
    EXPECT_EQ(CBufferRecycler::Take<std::uint8_t>(&recycler, newestRoom).get(), newest);
}

TEST(BufferRecycler, OnceNoFileWillComeNothingIsKept)
{
    CBufferRecycler recycler;
    auto held = CBufferRecycler::Take<std::uint8_t>(&recycler, Large);
    CBufferRecycler::Take<std::uint8_t>(&recycler, 2 * Large).reset();
    EXPECT_EQ(recycler.IdleCount(), 1u);
    recycler.StopKeeping();
    EXPECT_EQ(recycler.IdleCount(), 0u);
    held.reset();
    EXPECT_EQ(recycler.IdleCount(), 0u);
}

// Buffers taken on one thread and given back on another, as a file opened
// by a worker is let go by the reader.
TEST(BufferRecycler, BuffersPassBetweenThreads)
{
    const auto recycler = std::make_shared<CBufferRecycler>();
    constexpr int Rounds = 200;
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread) {
        threads.emplace_back([recycler, thread] {
            std::vector<CBufferRecycler::TBuffer<std::uint32_t>> held;
            for (int round = 0; round < Rounds; ++round) {
                auto buffer = CBufferRecycler::Take<std::uint32_t>(recycler.get(), Large + 1000 * ((round + thread) % 5));
                buffer[0] = static_cast<std::uint32_t>(round);
                held.push_back(std::move(buffer));
                if (held.size() > 3) held.erase(held.begin());
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_LE(recycler->IdleCount(), CBufferRecycler::MostKept);
    EXPECT_GT(recycler->IdleCount(), 0u);
}

}  // namespace
