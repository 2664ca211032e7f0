#pragma once

#include <cfenv>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace plotmere {

// Helper threads that share a plot's evaluation with the thread that draws it. They are started
// once and kept for every later plot, so a plot pays no thread start-up.
//
// A plot is a sequence of blocks. Producing a block (evaluating its samples and working out
// where they land) may happen on any thread, the calling one included; consuming it (painting
// it into the image) happens on the calling thread alone, in block order. While it waits for
// the next block in order, the calling thread produces a later one itself, so painting overlaps
// evaluation and no core sits idle.
//
// Held by its user rather than hidden in a process-wide object: the owner decides how many
// threads there are (tests run several counts side by side), and the threads end with their
// owner rather than during the program's exit.
class PlotWorkers {
public:
    // Evaluates a block into its slot; thread is the producing thread's number, 0 for the
    // caller, so that each thread can keep scratch memory of its own.
    using ProduceStep = std::function<void(std::size_t block, std::size_t slot, unsigned thread)>;
    using ConsumeStep = std::function<void(std::size_t block, std::size_t slot)>;

    // One thread per core, the calling thread included.
    PlotWorkers();
    // threadCount threads in all, the calling thread included: 0 and 1 start no helpers.
    explicit PlotWorkers(unsigned threadCount);
    ~PlotWorkers();
    PlotWorkers(const PlotWorkers&) = delete;
    PlotWorkers& operator=(const PlotWorkers&) = delete;

    unsigned threadCount() const { return static_cast<unsigned>(helpers_.size()) + 1; }

    // How many blocks may be produced and not yet consumed. The caller keeps one buffer per
    // slot; block b always uses slot b % slotCount(), and a slot is handed out for a new block
    // only after the block before it has been consumed.
    std::size_t slotCount() const { return slotCount_; }

    // Calls produce for each block 0 ... blockCount - 1 on some thread, and consume for each on
    // the calling thread in block order, after that block's produce has returned. Returns when
    // every block has been consumed. Helpers evaluate in the caller's floating-point
    // environment (rounding mode and the like), so results do not depend on which thread
    // produced them. Calls from several threads take turns. The steps must not throw: an
    // exception in a helper could not be handed back, so any exception ends the program.
    void run(std::size_t blockCount, const ProduceStep& produce,
             const ConsumeStep& consume) noexcept;

private:
    static constexpr std::size_t NoBlock = static_cast<std::size_t>(-1);

    // The run in progress; lives on the caller's stack and is reached under mutex_ only.
    struct Job {
        std::size_t blockCount;
        const ProduceStep* produce;
        std::fenv_t environment;
        int rounding; // also on its own: MinGW-w64's fesetenv leaves the SSE rounding alone
        std::size_t nextBlock = 0; // the first block nobody has taken yet
        std::size_t consumedBlocks = 0;
        std::vector<std::size_t> producedBlock; // per slot: the block ready in it, or NoBlock
    };

    bool canTakeBlock(const Job& job) const {
        return job.nextBlock < job.blockCount && job.nextBlock < job.consumedBlocks + slotCount_;
    }
    // Takes the next block, produces it with the lock released and records it as ready.
    void produceNextBlock(Job& job, std::unique_lock<std::mutex>& lock, unsigned thread);
    void serve(unsigned thread);

    std::size_t slotCount_;
    std::mutex runTurn_; // one run at a time
    std::mutex mutex_;   // guards job_, stopping_ and the Job it points to
    std::condition_variable workAvailable_;
    std::condition_variable blockProduced_;
    Job* job_ = nullptr;
    bool stopping_ = false;
    std::vector<std::thread> helpers_; // last: started once the rest is in place
};

} // namespace plotmere
