#pragma once
// The progress of work running on another thread: the worker reports to
// it, the thread that shows it reads a copy of the latest report and may ask
// the worker to stop. Both sides hold it by shared_ptr, so either may go
// first.

#include <atomic>
#include <mutex>
#include <string>

#include "world/work_progress.h"

namespace tarnwick {

class SharedProgress : public WorkProgress {
public:
    struct Report {
        int done = 0, total = 0;
        std::string what;
    };

    bool advance(int done, int total, const std::string& what) override {
        std::lock_guard<std::mutex> lock(mutex_);
        report_ = {done, total, what};
        return !stop_;
    }
    bool any_thread() const override { return true; }
    // Asks the worker to stop at its next report.
    void stop() { stop_ = true; }
    bool stopping() const { return stop_; }
    // The worker is done (finished or stopped).
    void finish() { finished_ = true; }
    bool finished() const { return finished_; }
    Report report() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return report_;
    }

private:
    mutable std::mutex mutex_;
    Report report_;
    std::atomic<bool> stop_{false}, finished_{false};
};

}  // namespace tarnwick
