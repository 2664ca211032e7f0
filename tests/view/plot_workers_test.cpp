#include "view/plot_workers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cfenv>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace plotmere {
namespace {

TEST(PlotWorkersTest, ThreadCountIncludesTheCaller) {
    const struct { unsigned asked, threads; } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {8, 8}};
    for (const auto& c : cases) {
        const PlotWorkers workers(c.asked);
        EXPECT_EQ(workers.threadCount(), c.threads) << c.asked;
        EXPECT_GE(workers.slotCount(), workers.threadCount()) << c.asked;
    }
    EXPECT_GE(PlotWorkers().threadCount(), 1u);
}

// Every block is produced once, and consumed on the calling thread in block order, from its own
// slot, while no later block has overwritten that slot. (Workers that handed out a slot too
// early would fail here or never finish.)
TEST(PlotWorkersTest, ConsumesEveryBlockOnceInOrderFromItsSlot) {
    for (const unsigned threads : {1u, 2u, 3u, 8u}) {
        PlotWorkers workers(threads);
        for (const std::size_t blockCount : {0u, 1u, 5u, 1000u}) {
            SCOPED_TRACE(testing::Message() << threads << " threads, " << blockCount << " blocks");
            std::vector<std::atomic<int>> produced(blockCount);
            std::vector<std::size_t> slots(workers.slotCount());
            std::vector<std::size_t> consumed;
            const std::thread::id caller = std::this_thread::get_id();
            workers.run(
                blockCount,
                [&](std::size_t block, std::size_t slot, unsigned thread) {
                    ++produced[block];
                    slots[slot] = block;
                    EXPECT_LT(thread, workers.threadCount());
                },
                [&](std::size_t block, std::size_t slot) {
                    EXPECT_EQ(std::this_thread::get_id(), caller);
                    EXPECT_EQ(slot, block % workers.slotCount());
                    EXPECT_EQ(slots[slot], block);
                    EXPECT_EQ(produced[block].load(), 1);
                    consumed.push_back(block);
                    // Slow drawing now and then: helpers run ahead as far as they may.
                    if (block % 100 == 0) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(2));
                    }
                });
            ASSERT_EQ(consumed.size(), blockCount);
            for (std::size_t block = 0; block < blockCount; ++block) {
                EXPECT_EQ(consumed[block], block);
                EXPECT_EQ(produced[block].load(), 1);
            }
        }
    }
}

// Each producing thread has a number of its own, 0 for the caller, so that it can keep scratch
// memory no other thread writes.
TEST(PlotWorkersTest, EachThreadNumberBelongsToOneThread) {
    for (const unsigned threads : {1u, 2u, 3u, 8u}) {
        PlotWorkers workers(threads);
        std::mutex mutex;
        std::map<unsigned, std::set<std::thread::id>> idsOf;
        for (int run = 0; run < 3; ++run) {
            workers.run(
                500,
                [&](std::size_t, std::size_t, unsigned thread) {
                    const std::lock_guard lock(mutex);
                    idsOf[thread].insert(std::this_thread::get_id());
                },
                [](std::size_t, std::size_t) {});
        }
        SCOPED_TRACE(testing::Message() << threads << " threads");
        std::set<std::thread::id> all;
        for (const auto& [thread, ids] : idsOf) {
            EXPECT_LT(thread, threads);
            EXPECT_EQ(ids.size(), 1u) << thread;
            all.insert(ids.begin(), ids.end());
            if (thread == 0) {
                EXPECT_EQ(*ids.begin(), std::this_thread::get_id());
            }
        }
        EXPECT_EQ(all.size(), idsOf.size()); // no two numbers share a thread
    }
}

// Records which threads produced blocks. The producer of block 0 holds on until block 1 has been
// produced, which only another thread can do: workers that ran one block at a time would fail
// here after the time-out instead of hanging.
class TwoBlocksAtOnce {
public:
    void produce(std::size_t block) {
        std::unique_lock lock(mutex_);
        producers_.insert(std::this_thread::get_id());
        if (block == 0) {
            secondDone_ = done_.wait_for(lock, std::chrono::seconds(20), [&] { return second_; });
        } else if (block == 1) {
            second_ = true;
            done_.notify_all();
        }
    }

    bool wereTogether() const { return secondDone_; }
    std::size_t producerCount() const { return producers_.size(); }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool second_ = false;
    bool secondDone_ = false;
    std::set<std::thread::id> producers_;
};

TEST(PlotWorkersTest, HelpersProduceWhileTheCallerWorks) {
    for (const unsigned threads : {2u, 3u, 8u}) {
        PlotWorkers workers(threads);
        // Twice: the helpers are still there for the next run.
        for (int run = 0; run < 2; ++run) {
            TwoBlocksAtOnce blocks;
            workers.run(
                2 * workers.slotCount(),
                [&](std::size_t block, std::size_t, unsigned) { blocks.produce(block); },
                [](std::size_t, std::size_t) {});
            EXPECT_TRUE(blocks.wereTogether()) << threads << " threads, run " << run;
            EXPECT_GE(blocks.producerCount(), 2u) << threads << " threads, run " << run;
        }
    }
}

// A division whose result depends on the rounding mode.
double OneThird() {
    volatile double one = 1;
    volatile double three = 3;
    return one / three;
}

TEST(PlotWorkersTest, HelpersComputeInTheCallersRoundingMode) {
    // Started before the mode changes: new threads would take it over anyway.
    PlotWorkers workers(3);
    const double nearest = OneThird();
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    const double upwards = OneThird();
    TwoBlocksAtOnce blocks;
    std::vector<double> results(4 * workers.slotCount());
    workers.run(
        results.size(),
        [&](std::size_t block, std::size_t, unsigned) {
            results[block] = OneThird();
            blocks.produce(block);
        },
        [](std::size_t, std::size_t) {});
    std::fesetround(FE_TONEAREST);

    ASSERT_NE(upwards, nearest);
    ASSERT_TRUE(blocks.wereTogether());
    for (std::size_t block = 0; block < results.size(); ++block) {
        EXPECT_EQ(results[block], upwards) << block;
    }
}

} // namespace
} // namespace plotmere
