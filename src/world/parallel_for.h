#pragma once
// Runs independent pieces of work (one file each, one zone each) on the
// machine's cores. Each call of the body must touch only what its index
// owns; the caller combines the results in order afterwards, so the outcome
// never depends on which thread ran what.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "world/work_progress.h"

namespace tarnwick {

// The threads worth starting for `pieces` pieces of work: one per core (this
// thread among them), but one for every 64 pieces at most, since a thread
// costs more than a few small files, and never more than 8.
inline unsigned worker_count(size_t pieces) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return unsigned(std::clamp<size_t>(pieces / 64, 1, std::min(cores, 8u)));
}

// Calls body(i) for every i in [0, n): this thread and the others take the
// next index until none is left. Before each piece, `progress` hears of it
// (parts `first` + pieces finished, of `total`, named by name(i)): from
// whichever thread takes it when the progress allows any thread, else from
// this thread alone, the pieces then run one after another here. False from
// it stops the work before the next piece; then false.
template <class Body, class Name>
bool parallel_for(size_t n, WorkProgress* progress, int first, int total, Name&& name,
                  Body&& body) {
    if (progress && !progress->any_thread()) {
        for (size_t i = 0; i < n; ++i) {
            if (!progress->advance(first + int(i), total, name(i))) return false;
            body(i);
        }
        return true;
    }
    std::atomic<size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex reporting;
    int finished = 0;  // guarded by `reporting`
    auto work = [&] {
        for (size_t i = next++; i < n && !stop; i = next++) {
            if (progress) {
                std::lock_guard<std::mutex> lock(reporting);
                if (stop || !progress->advance(first + finished, total, name(i))) {
                    stop = true;
                    return;
                }
            }
            body(i);
            if (progress) {
                std::lock_guard<std::mutex> lock(reporting);
                ++finished;
            }
        }
    };
    std::vector<std::thread> others;
    for (unsigned t = 1; t < worker_count(n); ++t) others.emplace_back(work);
    work();
    for (auto& t : others) t.join();
    return !stop;
}

// The same without progress.
template <class Body>
void parallel_for(size_t n, Body&& body) {
    parallel_for(n, nullptr, 0, 0, [](size_t) { return std::string(); }, body);
}

}  // namespace tarnwick
