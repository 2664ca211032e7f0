#include "view/plot_workers.h"

#include <algorithm>
#include <system_error>

namespace plotmere {

namespace {

// Enough blocks in flight that a helper seldom waits for the drawing to free a slot, few enough
// that their buffers stay in the cache.
constexpr std::size_t SlotsPerThread = 4;

unsigned CoreCount() {
    // Zero when the count is not known: then the caller works alone.
    return std::max(std::thread::hardware_concurrency(), 1u);
}

} // namespace

PlotWorkers::PlotWorkers()
    : PlotWorkers(CoreCount()) {}

// Working alone, the caller consumes each block right after producing it: one slot will do.
PlotWorkers::PlotWorkers(unsigned threadCount)
    : slotCount_(threadCount > 1 ? SlotsPerThread * threadCount : 1) {
    for (unsigned thread = 1; thread < threadCount; ++thread) {
        try {
            helpers_.emplace_back([this, thread] { serve(thread); });
        } catch (const std::system_error&) {
            // The system allows no more threads (a process limit, or fewer cores granted than
            // the machine has): plot with those started, the calling thread at least.
            break;
        }
    }
}

PlotWorkers::~PlotWorkers() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread& helper : helpers_) {
        helper.join();
    }
}

void PlotWorkers::run(std::size_t blockCount, const ProduceStep& produce,
                      const ConsumeStep& consume) noexcept {
    if (blockCount == 0) {
        return;
    }
    const std::lock_guard turn(runTurn_);
    Job job{.blockCount = blockCount,
            .produce = &produce,
            .environment = {},
            .rounding = std::fegetround(),
            .producedBlock = std::vector<std::size_t>(slotCount_, NoBlock)};
    std::fegetenv(&job.environment);

    std::unique_lock lock(mutex_);
    job_ = &job;
    // A single block is the caller's own: waking the helpers would only cost them a switch.
    if (blockCount > 1) {
        lock.unlock();
        workAvailable_.notify_all();
        lock.lock();
    }
    for (std::size_t block = 0; block < blockCount; ++block) {
        const std::size_t slot = block % slotCount_;
        while (job.producedBlock[slot] != block) {
            if (canTakeBlock(job)) {
                produceNextBlock(job, lock, 0);
            } else {
                blockProduced_.wait(lock);
            }
        }
        lock.unlock();
        consume(block, slot);
        lock.lock();
        job.consumedBlocks = block + 1;
        // A slot is free again: a helper waiting for one may go on.
        if (!helpers_.empty() && canTakeBlock(job)) {
            workAvailable_.notify_one();
        }
    }
    // Every block has been produced and consumed: no helper touches the job any more.
    job_ = nullptr;
}

void PlotWorkers::produceNextBlock(Job& job, std::unique_lock<std::mutex>& lock, unsigned thread) {
    const std::size_t block = job.nextBlock++;
    const std::size_t slot = block % slotCount_;
    const ProduceStep& produce = *job.produce;
    lock.unlock();
    const bool onHelper = thread != 0;
    if (onHelper) {
        std::fesetenv(&job.environment);
        std::fesetround(job.rounding);
    }
    produce(block, slot, thread);
    lock.lock();
    job.producedBlock[slot] = block;
    if (onHelper) {
        blockProduced_.notify_one();
    }
}

void PlotWorkers::serve(unsigned thread) {
    std::unique_lock lock(mutex_);
    for (;;) {
        workAvailable_.wait(lock, [this] { return stopping_ || (job_ && canTakeBlock(*job_)); });
        if (stopping_) {
            return;
        }
        produceNextBlock(*job_, lock, thread);
    }
}

} // namespace plotmere
