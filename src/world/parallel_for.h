#pragma once
// Runs independent pieces of work (one file each, one zone each) on the
// machine's cores. Each call of the body must touch only what its index
// owns; the caller combines the results in order afterwards, so the outcome
// never depends on which thread ran what.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace tarnwick {

// The threads worth starting for `pieces` pieces of work: one per core (this
// thread among them), never more than there are pieces, at most 8.
inline unsigned worker_count(size_t pieces) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return unsigned(std::min<size_t>({size_t(cores), pieces, 8}));
}

// Calls body(i) for every i in [0, n): this thread and the others take the
// next index until none is left.
template <class Body>
void parallel_for(size_t n, Body&& body) {
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < n; i = next++) body(i);
    };
    std::vector<std::thread> others;
    for (unsigned t = 1; t < worker_count(n); ++t) others.emplace_back(work);
    work();
    for (auto& t : others) t.join();
}

}  // namespace tarnwick
