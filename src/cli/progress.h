#pragma once
// Progress of long work on stderr: nothing unless stderr is a terminal and
// the work has taken more than a second, then one line, rewritten in place
// twice a second, naming the current step and the time so far, and wiped
// when the work ends. stdout (the findings, the table) is never touched.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "world/work_progress.h"

namespace tarnwick::cli {

// Also the progress of core work: its steps name the line's step, with how
// many of its parts are done.
class Progress : public WorkProgress {
public:
    explicit Progress(std::string step);
    ~Progress() override;
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Names the step now under way ("checking 16 zones").
    void step(std::string step);
    // Never asks the work to stop: Ctrl+C ends the whole program.
    bool advance(int done, int total, const std::string& what) override;
    bool any_thread() const override { return true; }

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::string step_;
    bool done_ = false;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::thread thread_;
};

}  // namespace tarnwick::cli
